#pragma once

// Answers the modal boxes that an action opens, so that a test sees what
// each box said, and a box that a test did not expect fails a comparison
// instead of hanging the run.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

// The boxes of the calculator, as AnswerModalBoxes describes them.
inline const QString kIncompleteBox = QStringLiteral("Vondrel | no icon | 请填写完整的输入数据！ | 确定");
inline const QString kDivisionByZeroBox = QStringLiteral("Vondrel | critical | 运行时错误 '11':\n\n除数为零 | 确定");
inline const QString kOverflowBox = QStringLiteral("Vondrel | critical | 运行时错误 '6':\n\n溢出 | 确定");

inline QString DescribeIcon(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::NoIcon: return QStringLiteral("no icon");
    case QMessageBox::Critical: return QStringLiteral("critical");
    default: return QStringLiteral("icon %1").arg(icon);
    }
}

// Runs `action` and, while it runs, dismisses every modal box that opens by
// pressing its first button (or closing it, if it is no message box).
// Returns one line per box: caption | icon | text | button captions.
inline QStringList AnswerModalBoxes(const std::function<void()>& action)
{
    QStringList seen;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            seen << modal->windowTitle() + QStringLiteral(" | not a message box");
            modal->close();
            return;
        }
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        seen << QStringList{box->windowTitle(), DescribeIcon(box->icon()), box->text(),
                            buttons.join(u',')}
                    .join(QStringLiteral(" | "));
        box->buttons().constFirst()->click();
    });
    watch.start();
    action();
    return seen;
}
