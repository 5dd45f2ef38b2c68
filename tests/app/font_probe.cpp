// Prints, once the project's settings are applied: the family that the
// load box's 宋体 resolves to; the characters of the program's texts (captions, buttons,
// both kinds of box, the input boxes' menu) that its face lacks; and the
// family that draws, in that box, Chinese that the program itself never
// writes, or "none" if no font does.

#include "modal_boxes.h"

#include "app/qt/application_start_up.h"
#include "ui/main/qt/form1.h"
#include "ui/principle/qt/form2.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRawFont>
#include <QTextLayout>

#include <cstdio>
#include <memory>

namespace {

// The texts that the window and its controls show, each with its font.
QList<std::pair<QString, QFont>> TextsOf(QWidget& window)
{
    QList<std::pair<QString, QFont>> texts;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control))
            texts.append({label->text(), label->font()});
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts.append({button->text(), button->font()});
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            texts.append({frame->title(), frame->font()});
        else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
            for (const QAction* action : menu->actions())
                texts.append({action->text().section(u'\t', 0, 0).remove(u'&'), menu->font()});
        }
    }
    return texts;
}

// The family whose glyph draws the character in the font, or "none".
QString DrawnBy(const QFont& font, const QString& character)
{
    QTextLayout layout(character, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.rawFont().supportsCharacter(character.at(0)))
            return run.rawFont().familyName();
    return QStringLiteral("none");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    vondrel::SetUpApplication();
    vondrel::Form1 form1;
    vondrel::Form2 form2(&form1);
    QList<std::pair<QString, QFont>> texts = TextsOf(form1) + TextsOf(form2);
    auto* load = form1.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* calculate = form1.findChild<QAbstractButton*>(QStringLiteral("Command1"));
    for (const QString& loadText : {QString(), QStringLiteral("0")}) {
        load->setText(loadText);
        form1.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("1"));
        for (const QString& box : AnswerModalBoxes([calculate] { calculate->click(); }))
            texts.append({box, QApplication::font()});
    }

    QString missing;
    for (const auto& [text, font] : texts) {
        const QRawFont face = QRawFont::fromFont(font);
        for (const QChar character : text)
            if (!character.isSpace() && !face.supportsCharacter(character) && !missing.contains(character))
                missing += character;
    }
    std::printf("%s\n%s\n%s\n", qPrintable(QFontInfo(load->font()).family()), qPrintable(missing),
                qPrintable(DrawnBy(load->font(), QStringLiteral("龙"))));
    return 0;
}
