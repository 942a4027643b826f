// The history file's bytes: one command per line, oldest first.  Reading
// takes the line ends of text_lines.h (CR LF, lone CR, lone LF and runs of
// zero bytes); writing ends every line, the last one included, with CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The lines of the file's bytes, as views into `bytes` (which must outlive
// them).
std::vector<std::string_view> split_history_views(std::string_view bytes);

// The same lines from the last back to the first, split only as far as the
// reader asks: a load that needs the newest lines alone never looks at the
// older part of a long file.
class HistoryLinesBackward {
  public:
    explicit HistoryLinesBackward(std::string_view bytes);
    // The next older line (a view into the bytes); false when none is left.
    bool prev(std::string_view& line);

  private:
    void skip_line_end();  // the line end that ends at end_

    const char* bytes_;
    size_t end_;  // end of the lines not given yet
    bool more_;
};

std::string join_history_lines(const std::vector<std::string>& lines);

// One item of the list as shown: its text and its entry's age (0 = newest).
struct ListItem {
    std::string text;
    int32_t age;
};

// The lines that another launcher (or an import) added to the history file
// after this run loaded it: the lines of `now` whose text, trimmed, was not
// a line of `loaded`, in file order, each once.  Lines this run dropped or
// deleted were in `loaded`, so they do not come back.
std::vector<std::string> lines_added_since(std::string_view loaded, std::string_view now);

// The lines to write: the older lines that the list never held (empty ones
// left out), the items oldest first (by age, largest first, unless the list
// is already shown oldest first, order 3), then the lines others added
// meanwhile, then the Edit text unchanged as the newest line.
std::vector<std::string> history_save_lines(const std::vector<std::string_view>& unreached,
                                            const std::vector<ListItem>& items, int listorder,
                                            const std::vector<std::string>& added_since,
                                            const std::string& edit_text);

}  // namespace vq
