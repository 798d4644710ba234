// Writes the benchmark's input pages: realistic markup of a given size, with
// some non-ASCII text, as lines or as one minified line, in UTF-8 or
// Windows-1252. The same arguments always give the same bytes.
//
//   bench_make_pages FILE MEGABYTES [lines|oneline] [utf8|cp1252]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

// Words of a page in several languages; each UTF-8 word also exists in
// Windows-1252 (the euro sign and dashes included).
constexpr std::string_view kWords[] = {"the",
                                       "page",
                                       "caf\xC3\xA9",
                                       "menu",
                                       "na\xC3\xAFve",
                                       "price",
                                       "\xE2\x82\xAC"
                                       "12",
                                       "order",
                                       "stra\xC3\x9F"
                                       "e",
                                       "item",
                                       "delivery",
                                       "r\xC3\xA9sum\xC3\xA9",
                                       "news",
                                       "archive",
                                       "contact",
                                       "\xE2\x80\x94",
                                       "M\xC3\xBCller",
                                       "about",
                                       "se\xC3\xB1or",
                                       "today",
                                       "products",
                                       "garden",
                                       "\xC3\xA9t\xC3\xA9",
                                       "weather",
                                       "city",
                                       "fa\xC3\xA7"
                                       "ade",
                                       "of",
                                       "and",
                                       "with",
                                       "for",
                                       "new",
                                       "offer",
                                       "Z\xC3\xBCrich",
                                       "open",
                                       "season"};
constexpr std::string_view kClasses[] = {
    "row",    "col-md-4", "card",       "nav-item",  "btn btn-primary",
    "footer", "lead",     "text-muted", "container", "badge"};
constexpr std::string_view kTags[] = {"div", "p", "span", "li", "td", "h3", "section", "article"};

class PageWriter {
public:
    PageWriter(bool oneLine, bool legacy) : oneLine_(oneLine), legacy_(legacy) {}

    // One element with attributes and a sentence, as markup of about 80-400 bytes.
    void element(std::string& out) {
        const auto tag = pick(kTags);
        if (!oneLine_)
            out.append(static_cast<size_t>(depth(rng_)) * 2, ' ');
        out += '<';
        out += tag;
        out += " class=\"";
        out += pick(kClasses);
        out += "\" id=\"e";
        out += std::to_string(serial_++);
        out += "\">";
        if (coin(rng_) < 0.3) {
            out += "<a href=\"/";
            out += pick(kWords[0]);
            out += '/';
            out += std::to_string(number(rng_));
            out += ".html\">";
            sentence(out, 2);
            out += "</a> ";
        }
        sentence(out, 4 + static_cast<int>(number(rng_) % 30));
        if (coin(rng_) < 0.2) {
            out += "<img src=\"img/";
            out += std::to_string(number(rng_));
            out += ".png\" alt=\"";
            sentence(out, 2);
            out += "\">";
        }
        out += "</";
        out += tag;
        out += '>';
        if (!oneLine_)
            out += "\r\n";
    }

private:
    template <size_t N> std::string_view pick(const std::string_view (&list)[N]) {
        return list[number(rng_) % N];
    }
    std::string_view pick(std::string_view) { return pick(kWords); }

    void sentence(std::string& out, int words) {
        for (int i = 0; i < words; ++i) {
            if (i > 0)
                out += ' ';
            word(out, pick(kWords));
        }
        out += '.';
    }

    void word(std::string& out, std::string_view utf8) {
        if (!legacy_) {
            out += utf8;
            return;
        }
        // The few non-ASCII characters of the word list, in Windows-1252.
        for (size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c == 0xC3) {
                out += static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40);
            } else if (utf8.substr(i, 3) == "\xE2\x82\xAC") {
                out += '\x80';
                i += 2;
            } else if (utf8.substr(i, 3) == "\xE2\x80\x94") {
                out += '\x97';
                i += 2;
            }
        }
    }

    bool oneLine_;
    bool legacy_;
    long serial_ = 0;
    std::mt19937 rng_{20240611};
    std::uniform_int_distribution<unsigned> number{0, 99999};
    std::uniform_real_distribution<double> coin{0.0, 1.0};
    std::uniform_int_distribution<int> depth{1, 6};
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILE MEGABYTES [lines|oneline] [utf8|cp1252]\n", argv[0]);
        return 2;
    }
    const long long target = std::atoll(argv[2]) << 20;
    const bool oneLine = argc > 3 && std::string_view(argv[3]) == "oneline";
    const bool legacy = argc > 4 && std::string_view(argv[4]) == "cp1252";
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    PageWriter writer(oneLine, legacy);
    const std::string_view head = "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                  "<title>Benchmark page</title></head><body>";
    const std::string_view tail = "</body></html>";
    std::string out(head);
    if (!oneLine)
        out += "\r\n";
    long long written = 0;
    std::string element;
    for (;;) {
        element.clear();
        writer.element(element);
        if (written + static_cast<long long>(out.size() + element.size() + tail.size()) > target)
            break;
        out += element;
        if (out.size() >= (1u << 16)) {
            written += static_cast<long long>(std::fwrite(out.data(), 1, out.size(), file));
            out.clear();
        }
    }
    out += tail;
    // Pad to the exact size with spaces inside the body, so sizes compare.
    const long long missing = target - written - static_cast<long long>(out.size());
    if (missing > 0)
        out.insert(out.size() - tail.size(), static_cast<size_t>(missing), ' ');
    written += static_cast<long long>(std::fwrite(out.data(), 1, out.size(), file));
    if (std::fclose(file) != 0 || written != target) {
        std::fprintf(stderr, "%s: could not write %lld bytes\n", argv[1], target);
        return 1;
    }
    return 0;
}
