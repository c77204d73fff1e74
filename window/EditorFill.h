#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fw {
class EditField;
}

// Puts generated text into the editor, with the field hidden while the text goes in. A long
// text goes in piece by piece with a turn of the event loop between two pieces, so the window
// keeps answering while a million lines go in. The lines are joined a piece at a time as they
// go in: joining a million at once would keep the window waiting as long as a dozen pieces.
//
// During such a turn the user may do anything, and the fill keeps the editor's text whole:
// - generate again: the newer fill replaces the text, and the older one stops where it is;
// - clear the editor (Clear): the fill stops, so nothing of it arrives after the clearing;
// - save or extract (Finish first): the rest goes in at once, so they read the whole text;
// - close the window: the fill stops at the quit.
// A line of megabytes is then laid out a slice at a time, still hidden, so that showing it costs
// no more than a short one. At most one fill is under way. The field is shown again by whatever
// ends the fill: its own end, Finish, Clear or the newer fill; after a quit it stays hidden, as
// the program ends.
class EditorFill {
public:
    // The editor belongs to the window, which outlives its fills.
    explicit EditorFill(fw::EditField& editor) : editor_(editor) {}
    EditorFill(const EditorFill&) = delete;
    EditorFill& operator=(const EditorFill&) = delete;

    // Replaces the editor's whole text with the lines, `separator` between two of them.
    void Replace(std::vector<std::string> lines, std::string separator);
    // Puts the rest of a fill under way into the editor at once; nothing when none is.
    void Finish();
    // Stops a fill under way and empties the editor.
    void Clear();

private:
    const std::string& Part(std::size_t index) const;
    bool Joined() const;
    void JoinNext(std::size_t bytes);
    void Reset();

    fw::EditField& editor_;
    // Counts the fills, so that one overtaken by a newer fill, by Finish or by Clear stops.
    std::uint64_t serial_ = 0;
    // The lines of the fill under way with their separators, as parts in order (a line, the
    // separator, the next line...), and the first part not yet joined.
    std::vector<std::string> lines_;
    std::string separator_;
    std::size_t part_ = 0;
    // The text joined so far and not yet in the editor from `done_` on.
    std::string text_;
    std::size_t done_ = 0;
    // A fill is under way: its pieces are going in, or its long lines are being laid out.
    bool filling_ = false;
};
