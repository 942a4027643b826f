// Names of the save's temporary files: one per writing process, and told
// apart from every other file beside the history.
#include <gtest/gtest.h>

#include "support/temp_files.h"

using vq::temp_file_owner;

TEST(HistoryTempNames, CarryTheWritersProcessId) {
    EXPECT_EQ(vq::temp_path_beside("C:\\data\\vq.txt", 4242), "C:\\data\\vq.txt.4242.new~");
    EXPECT_NE(vq::temp_path_beside("vq.txt", 1), vq::temp_path_beside("vq.txt", 2));
    EXPECT_EQ(temp_file_owner("vq.txt", "vq.txt.4242.new~"), 4242u);
    EXPECT_EQ(temp_file_owner("vq.txt", "VQ.TXT.17.NEW~"), 17u);  // the file system ignores case
    EXPECT_EQ(temp_file_owner("vq.txt", "vq.txt.4294967295.new~"), 4294967295u);
    EXPECT_EQ(vq::legacy_temp_name("vq.txt"), "vq.txt.new~");
}

TEST(HistoryTempNames, OtherFilesBesideTheHistoryAreNotTemporaryFiles) {
    for (const char* name : {"vq.txt", "vq.txt.new~", "vq.txt.lock", "vq.txt..new~", "vq.txt.12a.new~",
                             "vq.txt.-1.new~", "vq.txt.4294967296.new~", "vq.txt.12.new", "other.txt.12.new~",
                             "vq.txt.bak.12.new~", "vq.txt12.new~"})
        EXPECT_FALSE(temp_file_owner("vq.txt", name)) << name;
    EXPECT_FALSE(temp_file_owner("", ".12.new~"));
}
