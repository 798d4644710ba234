#include "anybutton/SavedDesign.h"

#include "anybutton/AnyButton.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/properties/SimpleContainer.h"
#include "core/Twips.h"

#include <QFile>
#include <QObject>
#include <QRegularExpression>

#include <memory>
#include <stdexcept>

namespace anybutton {

namespace {

// A button's site in a window laid out in twips. It is parented to its
// button, so it outlives everything the button does while being destroyed.
class TwipsSite final : public QObject, public SimpleContainer {
public:
    explicit TwipsSite(const DesignedButton& design) {
        displayName = design.name;
        left = design.twips.x();
        top = design.twips.y();
        unitsPerPixel = core::kTwipsPerPixel;
    }
};

const QStringList kPlacementKeys = {QStringLiteral("left"), QStringLiteral("top"),
                                    QStringLiteral("width"), QStringLiteral("height")};

// Splits "Command2(3)" into the array's name and the index.
void parseName(DesignedButton& b) {
    static const QRegularExpression indexed(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = indexed.match(b.name);
    b.arrayName = m.hasMatch() ? m.captured(1) : b.name;
    if (m.hasMatch())
        b.index = m.captured(2).toInt();
}

} // namespace

std::vector<DesignedButton> readSavedDesign(const QString& text) {
    std::vector<DesignedButton> buttons;
    for (const auto& section : PropertyBag::parseDesign(text)) {
        // Not a structured binding: C++17 lambdas cannot capture one (clang refuses).
        const PropertyBag& stored = section.second;
        DesignedButton b;
        b.name = section.first;
        parseName(b);
        // A place that is no 32-bit number is malformed text like any other.
        const auto number = [&stored, &b](const QString& key) {
            const auto v = stored.value(key);
            try {
                return v ? v->toInt32(key) : 0;
            } catch (const PropertyError& e) {
                throw std::invalid_argument("[" + b.name.toStdString() + "] " + e.what());
            }
        };
        b.twips = QRect(number(QStringLiteral("left")), number(QStringLiteral("top")),
                        number(QStringLiteral("width")), number(QStringLiteral("height")));
        for (const QString& key : stored.keys()) {
            if (!kPlacementKeys.contains(key, Qt::CaseInsensitive))
                b.bag.set(key, *stored.value(key));
        }
        buttons.push_back(std::move(b));
    }
    return buttons;
}

std::vector<DesignedButton> readSavedDesignFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    try {
        return readSavedDesign(QString::fromUtf8(file.readAll()));
    } catch (const std::invalid_argument&) {
        return {};
    }
}

AnyButton* loadDesignedButton(const DesignedButton& design, QWidget* parent) {
    auto site = std::make_unique<TwipsSite>(design);
    AnyButton* button = AnyButton::load(*site, design.bag, parent);
    site->setParent(button);
    site.release();
    button->setObjectName(design.index
                              ? design.arrayName + QLatin1Char('_') + QString::number(*design.index)
                              : design.name);
    const QRect& t = design.twips;
    button->setGeometry(core::twipsRect(t.x(), t.y(), t.width(), t.height()));
    return button;
}

} // namespace anybutton
