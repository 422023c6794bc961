#include "platform/SoundModule.h"

#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// The module is taken from the first folder that holds it; a folder without
// it, or with a file of its name that is no module, gives no output, and a
// sound then plays nothing.
TEST(SoundModule, LoadsFromTheFirstFolderThatHoldsTheModule)
{
    const QFileInfo built(QStringLiteral(TARROW_SOUND_MODULE));
    DataFolderFixture empty;
    DataFolderFixture broken;
    broken.write(built.fileName(), "no library");
    const QString moduleFolder = built.absolutePath();
    const struct {
        const char *name;
        QStringList folders;
        bool loaded;
    } rows[] = {
        {"no folder", {}, false},
        {"a folder without it", {empty.path()}, false},
        {"a file of its name that is no module", {broken.path()}, false},
        {"the built module's folder", {moduleFolder}, true},
        {"after folders without it", {empty.path(), broken.path(), moduleFolder}, true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(loadSoundOutput(row.folders) != nullptr, row.loaded) << row.name;
}
