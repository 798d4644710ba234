#pragma once

#include "editor/document/DocumentText.h"
#include "editor/markup/ElementPath.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace editor {

// Finds the path of the element at a place in the text, keeping where it
// read every so often (a checkpoint) so that the next find reads only from
// the nearest one; an edit drops the checkpoints after it. A long read goes
// on in slices while the interface is idle.
class ElementPathFinder : public QObject, private DocumentText::Listener {
    Q_OBJECT
public:
    explicit ElementPathFinder(DocumentText& text, QObject* parent = nullptr);
    ~ElementPathFinder() override;

    // `done` gets the path at `caret`: at once when little is to be read,
    // else once the slices have read up to it. A find overtaken by another,
    // or by an edit before the caret, is dropped.
    void find(std::size_t caret, std::function<void(const ElementPath&)> done);

    static constexpr std::size_t kStride = 1 << 20;

private:
    void textAboutToChange(bool insertion, std::size_t position, std::size_t length) override;
    void slice();

    struct Checkpoint {
        std::size_t offset;
        ElementPathReader reader;
    };
    DocumentText& text_;
    std::vector<Checkpoint> checkpoints_;
    std::optional<ElementPathReader> reading_;
    std::size_t readTo_ = 0;
    std::size_t caret_ = 0;
    std::function<void(const ElementPath&)> done_;
    QTimer slices_;
};

} // namespace editor
