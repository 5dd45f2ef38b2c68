#include "app/qt/accessible_text_box.h"

#include "app/qt/window_lifetimes.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace vondrel::host {

namespace {

// Where each item of the text begins, for the boundary type; each item runs
// to the next one's start, the last to the end of the text. A word runs on
// to the next word, over the blanks and punctuation after it. A box holds
// one line, which is also its one paragraph.
QList<int> ItemStarts(const QString& text, QAccessible::TextBoundaryType boundaryType)
{
    QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary: break;
    case QAccessible::WordBoundary: finderType = QTextBoundaryFinder::Word; break;
    case QAccessible::SentenceBoundary: finderType = QTextBoundaryFinder::Sentence; break;
    default: return text.isEmpty() ? QList<int>() : QList<int>{0};
    }
    QList<int> starts;
    QTextBoundaryFinder finder(finderType, text);
    // Each step moves forward, and the last one returns -1 or the end.
    for (qsizetype at = 0; at >= 0 && at < text.size(); at = finder.toNextBoundary()) {
        const bool wordStart = finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem);
        if (at == 0 || boundaryType != QAccessible::WordBoundary || wordStart)
            starts << static_cast<int>(at);
    }
    return starts;
}

}  // namespace

AccessibleTextBox::AccessibleTextBox(QLineEdit& box) : QAccessibleWidget(&box, QAccessible::EditableText) {}

QLineEdit& AccessibleTextBox::box() const
{
    return *static_cast<QLineEdit*>(widget());
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    // Qt's AT-SPI bridge reports every edit as done; what it cannot find, it
    // cannot ask for.
    if (type == QAccessible::EditableTextInterface && !box().isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleTextBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box().isReadOnly();
    state.readOnly = box().isReadOnly();
    state.selectableText = true;
    return state;
}

QString AccessibleTextBox::text(QAccessible::Text type) const
{
    return type == QAccessible::Value ? box().text() : QAccessibleWidget::text(type);
}

void AccessibleTextBox::doAction(const QString& action)
{
    if (!IsBlockedByModalWindow(box()))
        QAccessibleWidget::doAction(action);
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool selected = selectionIndex == 0 && box().hasSelectedText();
    *startOffset = selected ? box().selectionStart() : -1;
    *endOffset = selected ? box().selectionEnd() : -1;
}

int AccessibleTextBox::selectionCount() const
{
    return box().hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box().deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box().setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const
{
    return box().cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position)
{
    box().setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const
{
    if (startOffset < 0 || endOffset < startOffset)
        return {};
    return box().text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleTextBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    return TextItem(offset, boundaryType, -1, startOffset, endOffset);
}

QString AccessibleTextBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                           int* endOffset) const
{
    return TextItem(offset, boundaryType, 1, startOffset, endOffset);
}

QString AccessibleTextBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                        int* endOffset) const
{
    return TextItem(offset, boundaryType, 0, startOffset, endOffset);
}

QString AccessibleTextBox::TextItem(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                                    int* startOffset, int* endOffset) const
{
    const QString text = box().text();
    // By Qt's convention, -2 asks at the caret and -1 at the end.
    if (offset == -2)
        offset = cursorPosition();
    if (offset == -1)
        offset = static_cast<int>(text.size());
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > text.size())
        return {};

    const QList<int> starts = ItemStarts(text, boundaryType);
    // The end of the text belongs to the last item, but holds no character.
    qsizetype item = std::upper_bound(starts.cbegin(), starts.cend(), offset) - starts.cbegin() - 1;
    if (offset == text.size() && boundaryType == QAccessible::CharBoundary)
        item = starts.size();
    item += step;
    if (item < 0 || item >= starts.size())
        return {};
    *startOffset = starts[item];
    *endOffset = item + 1 < starts.size() ? starts[item + 1] : static_cast<int>(text.size());
    return text.mid(*startOffset, *endOffset - *startOffset);
}

int AccessibleTextBox::characterCount() const
{
    return static_cast<int>(box().text().size());
}

QRect AccessibleTextBox::characterRect(int offset) const
{
    const QString text = box().text();
    if (offset < 0 || offset >= text.size())
        return {};
    // Qt tells where the caret is, but not where other characters are: they
    // lie the width of the text between them away from it.
    const QFontMetricsF metrics(box().font());
    const QRectF caret = box().inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const qreal left = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                       metrics.horizontalAdvance(text.left(box().cursorPosition()));
    const QRectF character(left, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
    return {box().mapToGlobal(character.topLeft().toPoint()), character.size().toSize()};
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const
{
    return box().cursorPositionAt(box().mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex)
{
    box().setCursorPosition(endIndex);
    box().setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleTextBox::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text)
{
    QLineEdit& edit = box();
    const bool inText = 0 <= startOffset && startOffset <= endOffset && endOffset <= edit.text().size();
    if (!inText || IsBlockedByModalWindow(edit))
        return;
    // As typing over a selection would: with undo, and the box's own events.
    edit.setSelection(startOffset, endOffset - startOffset);
    edit.insert(text);
}

}  // namespace vondrel::host
