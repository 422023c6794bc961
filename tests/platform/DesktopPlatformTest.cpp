#include "platform/DesktopPlatform.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

// A sound is held whole in memory while it plays, so a huge file is never loaded.
TEST(DesktopPlatform, PlaysOnlyRegularSoundFilesThatFitInMemory)
{
    DataFolderFixture folder;
    QDir(folder.path()).mkdir("folder.wav");
    const struct {
        const char *name;
        qint64 size;
        bool accepted;
    } rows[] = {
        // size -1: none made
        {"missing.wav", -1, false},
        {"folder.wav", -1, false},
        {"empty.wav", 0, true},
        {"at-the-limit.wav", DesktopPlatform::MaxSoundBytes, true},
        {"a-byte-more.wav", DesktopPlatform::MaxSoundBytes + 1, false},
    };
    for (const auto &row : rows) {
        if (row.size >= 0) {
            folder.write(row.name, {});
            ASSERT_TRUE(QFile::resize(folder.file(row.name), row.size)); // sparse: no disk used
        }
        EXPECT_EQ(DesktopPlatform::isSoundFileAccepted(folder.file(row.name)), row.accepted) << row.name;
    }
}
