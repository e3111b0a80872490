#include "platform/core/QtTranslation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

using zeto::QtTranslation;

// Qt's standard dialogs and message-box buttons speak Chinese with the system's translation,
// and stay in English, without harm, where there is none.
TEST(QtTranslation, QtsOwnTextsAreChineseWhereTheTranslationIs) {
    const struct {
        const char* context;
        const char* english;
        const char* chinese;
    } texts[] = {{"QPlatformTheme", "Cancel", "取消"},
                 {"QPlatformTheme", "OK", "确定"},
                 {"QColorDialog", "Select Color", "选择颜色"}};
    QTemporaryDir empty;
    const struct {
        QString folder;
        bool found;
    } folders[] = {{QtTranslation::systemFolder(), true},
                   {empty.path(), false},
                   {empty.filePath("missing"), false}};
    for (const auto& f : folders) {
        SCOPED_TRACE(f.folder.toStdString());
        QTranslator* translator = QtTranslation::install(*QCoreApplication::instance(), f.folder);
        EXPECT_EQ(translator != nullptr, f.found);
        for (const auto& t : texts)
            EXPECT_EQ(QCoreApplication::translate(t.context, t.english),
                      QString::fromUtf8(f.found ? t.chinese : t.english))
                << t.english;
        if (translator) QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
