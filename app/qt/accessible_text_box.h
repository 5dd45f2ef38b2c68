#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace vondrel::host {

// What screen readers see of a text box, in place of Qt's own, which in
// Qt 6.4.2 and still in 6.8.2 loops forever on a word or sentence asked
// for at the end of the text, gives attribute runs that hold no character,
// so that screen readers read a number short, and lets assistive
// technology edit a read-only box. This one answers at every offset, and
// its text is one run of default attributes. A read-only box offers no
// editing at all, and no box takes an edit while a modal window blocks it.
class AccessibleTextBox final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit& box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void doAction(const QString& action) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit& box() const;
    // The item of text at the offset, or the one `step` items after it.
    QString TextItem(int offset, QAccessible::TextBoundaryType boundaryType, int step, int* startOffset,
                     int* endOffset) const;
};

}  // namespace vondrel::host
