#!/usr/bin/env python3
"""Writes the seed inputs of fuzz/corpus/{utf8,document_round_trip,
property_bag,button_paint}: tricky UTF-8, documents in every encoding and line
end, property bags of every value kind and the saved designs of
resources/designs. The files are checked in, so neither the build nor CI needs
Python. Usage: make-text-seeds.py"""

import base64
import os
import zlib
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "corpus")
ROOT = os.path.join(HERE, "..", "..")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


UTF8 = {
    "empty": b"",
    "ascii": b"<p>Hello, world</p>\r\n",
    "two-byte": "caf\u00e9 \u00a9 \u00ff".encode(),
    "three-byte": "\u20ac \u2603 \uffff \ufeff".encode(),
    "four-byte": "\U0001F600 \U00010000 \U0010FFFF".encode(),
    "boundaries": "\u007f\u0080\u07ff\u0800\ud7ff\ue000".encode("utf-8", "surrogatepass"),
    "overlong-two": b"\xc0\x80 \xc1\xbf",
    "overlong-three": b"\xe0\x80\x80 \xe0\x9f\xbf",
    "overlong-four": b"\xf0\x80\x80\x80 \xf0\x8f\xbf\xbf",
    "surrogate": b"\xed\xa0\x80 \xed\xbf\xbf",
    "beyond-10ffff": b"\xf4\x90\x80\x80 \xf5\x80\x80\x80",
    "lead-bytes-f8-ff": b"\xf8\x88\x80\x80\x80 \xfe\xff",
    "lone-continuation": b"a\x80b\xbf",
    "cut-at-end": "ab\u20ac".encode()[:-1],
    "cut-in-middle": b"\xe2\x82x",
    "nul": b"a\x00b",
    "windows-1252": b"caf\xe9 \x80\x9f",
}

DOCUMENTS = {
    "empty.html": b"",
    "crlf.html": b"<HTML>\r\n<BODY>\r\n<P>Hello</P>\r\n</BODY>\r\n</HTML>\r\n",
    "lf.html": b"<p>one</p>\n<p>two</p>\n",
    "cr.html": b"<p>one</p>\r<p>two</p>\r",
    "mixed-line-ends.html": b"a\nb\r\nc\rd\r",
    "trailing-cr.html": b"x\r",
    "utf8.html": "<p>caf\u00e9 \u20ac \U0001F600</p>\n".encode(),
    "utf8-bom.html": b"\xef\xbb\xbf<p>caf\xc3\xa9</p>\r\n",
    "bom-only.html": b"\xef\xbb\xbf",
    "bom-then-invalid.html": b"\xef\xbb\xbfcaf\xe9",
    "windows-1252.html": b"<p>caf\xe9 \x80 \x93quoted\x94</p>\r\n",
    "cp1252-all-high.html": bytes(range(0x80, 0x100)),
    "cp1252-undefined.html": b"\x81\x8d\x8f\x90\x9d",
    "nul-bytes.html": b"a\x00b\x00\x00c",
    "cut-utf8.html": "ab\u20ac".encode()[:-1],
    "utf16le.html": b"\xff\xfe" + "<p>caf\u00e9 \U0001F600</p>\r\n".encode("utf-16-le"),
    "utf16be.html": b"\xfe\xff" + "<p>\u20ac</p>\n".encode("utf-16-be"),
    "utf32le.html": b"\xff\xfe\x00\x00" + "<p>\U0001F600</p>\r".encode("utf-32-le"),
    "utf32be.html": b"\x00\x00\xfe\xff" + "<p>x</p>".encode("utf-32-be"),
    "utf16-lone-surrogate.html": b"\xff\xfe\x00\xd8a\x00",
    "utf16-odd-length.html": b"\xff\xfea",
    "overlong.html": b"<\xc0\xbcp>",
    "surrogate.html": b"\xed\xa0\x80",
    "all-bytes.bin": bytes(range(256)),
}


def png_base64(width, height, alpha):
    raw = b"".join(b"\0" + b"".join(bytes((x * 60 & 255, y * 60 & 255, 200, alpha))
                                     for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
    return base64.b64encode(data).decode()


BAGS = {
    "empty.bag": "",
    "caption.bag": 'caption = str "&Open"\n',
    "escapes.bag": 'caption = str "a\\\\b \\"q\\" \\n\\r\\t end"\nurl = str ""\n',
    "every-kind.bag": (
        'caption = str "OK"\n'
        "buttonstyle = i32 2\n"
        "backcolor = i32 0x8000000F\n"
        "forecolor = i32 &H00FF00\n"
        "bevel = i16 3\n"
        "beveldepth = i16 -2\n"
        "enabled = bool 0\n"
        "showfocusrect = bool -1\n"
        'font = font "Tahoma" 8.25 -1 0 0 0\n'
        "picture = pic empty\n"
        "pictureHover = pic null\n"
        "mouseicon = pic hand\n"
        "mousepointer = i16 99\n"),
    "comments.bag": "# a comment\n\n   \ncaption = str \"x\"  \n# another\n",
    "picture-bitmap.bag": (
        'caption = str "Pic"\n'
        f"picture = pic 1 106 79 {png_base64(4, 3, 255)}\n"
        "picturewidth = i32 16\npictureheight = i32 12\npicturesize = i32 1\n"
        "pictureposition = i32 2\noriginalpicsizew = i32 4\noriginalpicsizeh = i32 3\n"),
    "picture-icon.bag": (
        f"picture = pic 3 53 53 {png_base64(2, 2, 128)}\n"
        f"picturehover = pic 3 53 53 {png_base64(2, 2, 255)}\n"
        "maskcolor = i32 0xC8783C\ntransparentbg = bool -1\n"),
    "xp-colors.bag": ("buttonstyle = i32 2\nxpcolor_pressed = i32 255\nxpcolor_hover = i32 65280\n"
                      "xpdefaultcolors = bool 0\nxpshowborderalways = bool -1\n"),
    "rounded-size.bag": "buttonstyle = i32 3\nwidth = i32 49\nheight = i32 25\n",
    "tiny.bag": "width = i32 1\nheight = i32 0\ncaption = str \"tiny\"\n",
    "large.bag": 'width = i32 512\nheight = i32 512\ncaption = str "&Big &&button"\nbuttonstyle = i32 1\n',
    "numbers-as-text.bag": 'buttonstyle = str "3"\nenabled = str "false"\nbevel = str "2.5"\n',
    "wrong-kinds.bag": 'caption = i32 5\nfont = str "Arial"\npicture = i32 0\n',
    "out-of-range.bag": "buttonstyle = i32 99\npictureposition = i32 -7\nbevel = i16 32767\n"
                        "picturesize = i32 2147483647\n",
    "mixed-case-keys.bag": 'Caption = str "a"\nCAPTION = str "b"\nButtonStyle = i32 4\n',
    "bad-line.bag": "caption str missing\n",
    "bad-kind.bag": "caption = blob 1\n",
    "unterminated.bag": 'caption = str "open\n',
    "font-size-odd.bag": 'font = font "Verdana" 0 -1 -1 -1 -1\n',
    "sound.bag": 'soundover = str "over.wav"\nsoundclick = str "click.wav"\ndefcurhand = bool -1\n',
    "unicode-caption.bag": 'caption = str "\u00c9t\u00e9 \u20ac \U0001F600 &\u00fc"\n',
}

DESIGN_EXTRA = {
    "design-two.design": "[cmdOK]\nleft = i32 120\ntop = i32 240\nwidth = i32 1200\n"
                         "height = i32 375\ncaption = str \"OK\"\n\n[Command2(3)]\ncaption = str \"B\"\n",
    "design-value-before-name.design": "caption = str \"x\"\n[a]\n",
    "design-empty-name.design": "[]\nleft = i32 0\n[ spaced ]\n",
    "design-placement-kinds.design": "[a]\nleft = str \"15\"\ntop = bool -1\nwidth = i16 7\n",
}


def main():
    for name, data in UTF8.items():
        write("utf8", name, data)
    for name, data in DOCUMENTS.items():
        write("document_round_trip", name, data)
    for name, data in BAGS.items():
        write("property_bag", name, data)
        write("button_paint", name, data)
    designs = os.path.join(ROOT, "resources", "designs")
    for name in sorted(os.listdir(designs)):
        with open(os.path.join(designs, name), "rb") as f:
            data = f.read()
        write("property_bag", name, data)
        write("document_round_trip", name, data)
    for name, data in DESIGN_EXTRA.items():
        write("property_bag", name, data)
    # Each button of the main window's design as a bag of its own, its size
    # in pixels (15 twips each) and without its place.
    with open(os.path.join(designs, "frmMain.design"), encoding="utf-8") as f:
        sections = [s for s in f.read().split("\n[") if "=" in s and not s.startswith("#")]
    for i, section in enumerate(sections[:8]):
        lines = []
        for line in section.split("\n")[1:]:
            key = line.split("=")[0].strip()
            if key in ("left", "top"):
                continue
            if key in ("width", "height"):
                line = f"{key} = i32 {int(line.split()[-1]) // 15}"
            lines.append(line)
        write("button_paint", f"frmMain-button-{i}.bag", "\n".join(lines))
    for target in ("utf8", "document_round_trip", "property_bag", "button_paint"):
        print(target, len(os.listdir(os.path.join(CORPUS, target))))


if __name__ == "__main__":
    main()
