#include "platform/core/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zeto::ProgramFiles;

// Names as the program writes them find the files whatever the letter case, the exact name
// first; a missing file gives the plainly joined path, and a file where a folder is expected
// is no match.
TEST(ProgramFiles, FindsFilesWhateverTheLetterCase) {
    QTemporaryDir dir;
    for (const char* file :
         {"data/G.kvt", "data/out.kvt", "data/N.kvt", "data/n.kvt", "help/index.htm"}) {
        QDir().mkpath(QFileInfo(dir.filePath(file)).path());
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file;
    }
    const ProgramFiles files(dir.path());
    const struct {
        const char* name;
        const char* found;
        bool exists;
    } cases[] = {
        {"\\DATA\\G.kvt", "data/G.kvt", true},
        {"\\data\\g.KVT", "data/G.kvt", true},
        {"\\HELP\\Index.htm", "help/index.htm", true},
        {"/data/out.kvt", "data/out.kvt", true},
        {"\\data\\n.kvt", "data/n.kvt", true},
        {"\\data\\N.kvt", "data/N.kvt", true},
        {"\\data\\sl.kvt", "data/sl.kvt", false},
        {"\\nothing\\here.kvt", "nothing/here.kvt", false},
        {"\\data\\out.kvt\\inner", "data/out.kvt/inner", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files.path(c.name), dir.filePath(c.found)) << c.name;
        EXPECT_EQ(files.exists(c.name), c.exists) << c.name;
    }
}
