#include "platform/core/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zeto::ProgramFiles;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(ProgramFiles, FindsFilesWhateverTheLetterCase) {
    QTemporaryDir dir;
    touch(dir.filePath("data/G.kvt"));
    touch(dir.filePath("data/out.kvt"));
    touch(dir.filePath("help/index.htm"));
    ProgramFiles files(dir.path());
    struct Row {
        const char* name;
        const char* found;
    };
    for (Row row :
         {Row{"\\DATA\\G.kvt", "data/G.kvt"}, Row{"\\data\\g.KVT", "data/G.kvt"},
          Row{"\\data\\out.kvt", "data/out.kvt"}, Row{"\\HELP\\Index.htm", "help/index.htm"},
          Row{"/data/out.kvt", "data/out.kvt"}}) {
        EXPECT_EQ(files.path(row.name), dir.filePath(row.found)) << row.name;
        EXPECT_TRUE(files.exists(row.name)) << row.name;
    }
}

TEST(ProgramFiles, MissingFilesGiveTheJoinedPathAndDoNotExist) {
    QTemporaryDir dir;
    touch(dir.filePath("data/out.kvt"));
    ProgramFiles files(dir.path());
    EXPECT_EQ(files.path("\\data\\sl.kvt"), dir.filePath("data/sl.kvt"));
    EXPECT_FALSE(files.exists("\\data\\sl.kvt"));
    EXPECT_FALSE(files.exists("\\nothing\\here.kvt"));
    // A file where a folder is expected is not a match.
    EXPECT_FALSE(files.exists("\\data\\out.kvt\\inner"));
}

TEST(ProgramFiles, ExactNameWinsOverOtherCases) {
    QTemporaryDir dir;
    touch(dir.filePath("data/N.kvt"));
    touch(dir.filePath("data/n.kvt"));
    ProgramFiles files(dir.path());
    EXPECT_EQ(files.path("\\data\\n.kvt"), dir.filePath("data/n.kvt"));
    EXPECT_EQ(files.path("\\data\\N.kvt"), dir.filePath("data/N.kvt"));
}
