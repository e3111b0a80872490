#include "app/QuitAfterShow.h"
#include "platform/core/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace zeto;

namespace {

// A program folder holding every file the program names, in the letter case it ships with.
void fillProgramFolder(const QDir& folder) {
    folder.mkpath("data");
    folder.mkpath("help");
    for (const char* name : {"data/out.kvt", "data/sl.kvt", "data/sl2.kvt", "data/G.kvt",
                             "data/R.kvt", "data/N.kvt", "data/calc.kvt", "help/index.htm"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    }
    QFile::setPermissions(folder.filePath("data/calc.kvt"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

TEST(QuitAfterShow, NamesEveryFileTheProgramCannotUse) {
    struct Row {
        const char* what;
        std::function<void(QDir&)> damage;
        QStringList expected;
    };
    const Row rows[] = {
        {"complete", [](QDir&) {}, {}},
        {"lamp picture gone", [](QDir& d) { d.remove("data/G.kvt"); }, {"missing \\DATA\\G.kvt"}},
        {"help folder gone",
         [](QDir& d) { QDir(d.filePath("help")).removeRecursively(); },
         {"missing \\help\\index.htm"}},
        {"calculator lost its executable bit",
         [](QDir& d) {
             QFile::setPermissions(d.filePath("data/calc.kvt"),
                                   QFile::ReadOwner | QFile::WriteOwner);
         },
         {"not executable \\data\\calc.kvt"}},
        {"folder in other letter case", [](QDir& d) { d.rename("data", "DATA"); }, {}},
    };
    for (const Row& row : rows) {
        QTemporaryDir temporary;
        QDir folder(temporary.path());
        fillProgramFolder(folder);
        row.damage(folder);
        EXPECT_EQ(QuitAfterShow::problems(ProgramFiles(folder.path())), row.expected) << row.what;
    }
}

TEST(QuitAfterShow, OnlyTheExactOptionAfterTheProgramNameAsksForIt) {
    struct Row {
        QStringList arguments;
        bool requested;
    };
    for (const Row& row :
         {Row{{"zeto"}, false}, Row{{"zeto", "--quit-after-show"}, true},
          Row{{"zeto", "-x", "--quit-after-show"}, true},
          Row{{"zeto", "--quit-after-shown"}, false}, Row{{"--quit-after-show"}, false}})
        EXPECT_EQ(QuitAfterShow::requested(row.arguments), row.requested)
            << row.arguments.join(' ').toStdString();
}
