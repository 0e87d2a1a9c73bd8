#include "AboutText.h"

#include <QCoreApplication>

#ifndef QUILLOP_VERSION
#error "QUILLOP_VERSION comes from project(VERSION) in the top CMakeLists.txt"
#endif

namespace {

const QString rule = QStringLiteral("--------------------------------------------------");
const QString host = QStringLiteral("http://example.com/home/");

// One worked example: two addresses of a series and what goes into each box.
QStringList example(const QString &heading, const QString &first, const QString &second,
                    const QString &box1, const QString &box2, const QString &box3)
{
    return {heading,
            host + first,
            host + second,
            QCoreApplication::translate("AboutText", "and so on. Fill in the boxes like this:"),
            QCoreApplication::translate("AboutText", "Box 1: %1").arg(host + box1),
            QCoreApplication::translate("AboutText", "Box 2: %1").arg(box2),
            QCoreApplication::translate("AboutText", "Box 3: %1").arg(box3)};
}

} // namespace

QStringList AboutText::paragraphs()
{
    QStringList text{
        QStringLiteral("Quillop"),
        QCoreApplication::translate("AboutText", "Version %1").arg(QStringLiteral(QUILLOP_VERSION)),
        QString(),
        QCoreApplication::translate("AboutText",
                                    "Quillop is freeware. Its manual opens from the Help menu; "
                                    "beyond that, everything is meant to explain itself."),
        rule};
    text += example(QCoreApplication::translate(
                        "AboutText", "Quillop downloads pictures whose names run in a sequence, "
                                     "for example:"),
                    QStringLiteral("images/pic01.jpg"), QStringLiteral("images/pic02.jpg"),
                    QStringLiteral("images/pic"), QStringLiteral("01"), QStringLiteral(".jpg"));
    text += rule;
    text += example(QCoreApplication::translate("AboutText", "When something follows the number:"),
                    QStringLiteral("images/pic01_800.jpg"), QStringLiteral("images/pic02_800.jpg"),
                    QStringLiteral("images/pic"), QStringLiteral("01"), QStringLiteral("_800.jpg"));
    text += rule;
    text += example(
        QCoreApplication::translate("AboutText", "When the number is part of a directory name:"),
        QStringLiteral("images01/pic01.jpg"), QStringLiteral("images02/pic01.jpg"),
        QStringLiteral("images"), QStringLiteral("01"), QStringLiteral("/pic01.jpg"));
    text += rule;
    text += example(QCoreApplication::translate("AboutText", "When a letter does the counting:"),
                    QStringLiteral("images/pic0a_800.jpg"), QStringLiteral("images/pic0b_800.jpg"),
                    QStringLiteral("images/pic0"), QStringLiteral("a"), QStringLiteral("_800.jpg"));
    text += {rule,
             QCoreApplication::translate(
                 "AboutText", "The number or letter in box 2 is incremented after each file."),
             QString(),
             QCoreApplication::translate(
                 "AboutText", "Comments, questions and suggestions are always welcome. Later "
                              "versions will be announced with the program itself."),
             rule,
             QCoreApplication::translate("AboutText", "DISCLAIMER OF WARRANTY"),
             QCoreApplication::translate(
                 "AboutText", "This software is freeware and is provided as it is, without any "
                              "warranty that it is fit for any purpose, and without liability "
                              "for any loss or damage that its use may cause. It is not a "
                              "supported product: there is no commitment to address problems "
                              "with it."),
             QString(),
             QCoreApplication::translate("AboutText", "MAINTENANCE"),
             QCoreApplication::translate(
                 "AboutText", "There is no obligation to provide maintenance or updates. Any "
                              "maintenance or updates that are provided fall under these same "
                              "terms.")};
    return text;
}

QString AboutText::html()
{
    QString html =
        QStringLiteral("<html><body lang=\"%1\">")
            .arg(QCoreApplication::translate("AboutText", "en-GB",
                                             "the language of this translation, as a BCP 47 tag"));
    for (const QString &paragraph : paragraphs()) {
        html += QStringLiteral("<p style=\"margin:0\">");
        html += paragraph.isEmpty() ? QStringLiteral("&nbsp;") : paragraph.toHtmlEscaped();
        html += QStringLiteral("</p>");
    }
    return html + QStringLiteral("</body></html>");
}
