#include "anybutton/SavedDesign.h"

#include "anybutton/AnyButton.h"
#include "anybutton/SimpleContainer.h"
#include "core/Twips.h"

#include <QObject>
#include <QRegularExpression>

#include <memory>

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

QString objectNameFor(const QString& designName) {
    static const QRegularExpression indexed(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = indexed.match(designName);
    return m.hasMatch() ? m.captured(1) + QLatin1Char('_') + m.captured(2) : designName;
}

} // namespace

std::vector<DesignedButton> readSavedDesign(const QString& text) {
    std::vector<DesignedButton> buttons;
    for (const auto& [name, stored] : PropertyBag::parseDesign(text)) {
        DesignedButton b;
        b.name = name;
        const auto number = [&stored](const QString& key) {
            const auto v = stored.value(key);
            return v ? v->toInt32() : 0;
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

AnyButton* loadDesignedButton(const DesignedButton& design, QWidget* parent) {
    auto site = std::make_unique<TwipsSite>(design);
    AnyButton* button = AnyButton::load(*site, design.bag, parent);
    site->setParent(button);
    site.release();
    button->setObjectName(objectNameFor(design.name));
    const QRect& t = design.twips;
    button->setGeometry(core::twipsToPixels(t.x()), core::twipsToPixels(t.y()),
                        core::twipsToPixels(t.width()), core::twipsToPixels(t.height()));
    return button;
}

} // namespace anybutton
