#include "platform/ProgramModule.h"
#include "platform/SoundOutput.h"

#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// A module is taken from the first folder that holds it with the entry
// asked for; a folder without it, a file of its name that is no module, or
// a module without that entry gives nothing. The sound module stands in for
// every module of the program.
TEST(ProgramModule, FindsTheEntryInTheFirstFolderWhoseModuleHasIt)
{
    const QFileInfo built(QStringLiteral(TARROW_SOUND_MODULE));
    DataFolderFixture empty;
    DataFolderFixture broken;
    broken.write(built.fileName(), "no library");
    const QString moduleFolder = built.absolutePath();
    const struct {
        const char *name;
        QStringList folders;
        const char *entry;
        bool found;
    } rows[] = {
        {"no folder", {}, MakeSoundOutputName, false},
        {"a folder without it", {empty.path()}, MakeSoundOutputName, false},
        {"a file of its name that is no module", {broken.path()}, MakeSoundOutputName, false},
        {"an entry the module lacks", {moduleFolder}, "noSuchEntry", false},
        {"the built module's folder", {moduleFolder}, MakeSoundOutputName, true},
        {"after folders without it", {empty.path(), broken.path(), moduleFolder}, MakeSoundOutputName, true},
    };
    for (const auto &row : rows) {
        const QFunctionPointer entry = programModuleEntry(row.folders, QStringLiteral("tarrowsound"), row.entry);
        EXPECT_EQ(entry != nullptr, row.found) << row.name;
    }
}
