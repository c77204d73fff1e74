#include "engine/RenbanForecast.h"

#include <iterator>
#include <utility>

#include "engine/RenbanLimits.h"
#include "engine/RenbanRange.h"
#include "engine/RenbanTexts.h"
#include "framework/core/EventLoop.h"

namespace myglobal::renban {
namespace {

constexpr auto npos = std::string_view::npos;

// A stretch of the text of every entry of a shape: its bytes in all the entries together, and
// in the entry where it is longest.
struct Stretch {
    std::int64_t total = 0;
    std::int64_t longest = 0;

    Stretch& operator+=(const Stretch& other) {
        total = SaturatingAdd(total, other.total);
        longest = SaturatingAdd(longest, other.longest);
        return *this;
    }
};

// The entries that one text (the pattern, or an entry of the list) has become. They differ only
// in their values, and a value brings no bracket, so the first "[" of an entry always lies in
// its suffix: what stands before it (the head) holds every value written so far, and the text
// from it on (the rest) is still a part of the original text.
struct Shape {
    std::int64_t entries = 1;
    bool ours = false;        // appended by the call, rather than the caller's own
    bool headCloses = false;  // the head holds a "]"
    Stretch beforeClose;      // the head up to its first "]", or all of it
    Stretch afterClose;       // the head after its first "]"
    std::string_view rest;

    Shape(std::string_view text, bool isOurs) : ours(isOurs) {
        const std::size_t open = text.find('[');
        if (open != npos) rest = text.substr(open);
        AppendToHead(text.substr(0, open));
    }

    bool HoldsBrackets() const { return !rest.empty() && (headCloses || rest.find(']') != npos); }

    Figures Totals() const {
        std::int64_t bytes =
            SaturatingAdd(beforeClose.total, SaturatingMul(entries, std::ssize(rest)));
        if (headCloses) bytes = SaturatingAdd(bytes, SaturatingAdd(entries, afterClose.total));
        return {entries, bytes};
    }

    std::int64_t Longest() const {
        std::int64_t longest = SaturatingAdd(beforeClose.longest, std::ssize(rest));
        if (headCloses) longest = SaturatingAdd(longest, SaturatingAdd(1, afterClose.longest));
        return longest;
    }

    // Expands the first range of every entry, as a pass does. Throws RenbanRefused as reading
    // the range does.
    void Expand(bool lowercase, bool pad) {
        const RangeValues values = ReadRangeValues(FirstRangeText(rest), lowercase, pad);
        const std::int64_t parents = entries;
        entries = SaturatingMul(parents, values.count);
        beforeClose = Repeated(beforeClose, values.count);
        afterClose = Repeated(afterClose, values.count);
        const auto zeros = static_cast<std::int64_t>(values.fixedZeros);
        const Stretch written{
            SaturatingMul(parents,
                          SaturatingAdd(SaturatingMul(values.count, zeros), values.textBytes)),
            zeros + values.longestText};
        if (headCloses) {
            // The suffix starts after the head's "]": it repeats the head's end and the whole
            // rest, whose first range comes round again.
            const Stretch repeated = afterClose;
            afterClose += written;
            afterClose += repeated;
            return;
        }
        beforeClose += written;
        const std::string_view suffix = rest.substr(rest.find(']') + 1);
        const std::size_t open = suffix.find('[');
        rest = open == npos ? std::string_view() : suffix.substr(open);
        AppendToHead(suffix.substr(0, open));
    }

private:
    static Stretch Repeated(const Stretch& s, std::int64_t times) {
        return {SaturatingMul(s.total, times), s.longest};
    }

    Stretch Literal(std::size_t bytes) const {
        const auto n = static_cast<std::int64_t>(bytes);
        return {SaturatingMul(entries, n), n};
    }

    void AppendToHead(std::string_view bytes) {
        if (headCloses) {
            afterClose += Literal(bytes.size());
            return;
        }
        const std::size_t close = bytes.find(']');
        if (close == npos) {
            beforeClose += Literal(bytes.size());
            return;
        }
        beforeClose += Literal(close);
        headCloses = true;
        afterClose += Literal(bytes.size() - close - 1);
    }
};

// Follows the shapes through the passes of one call.
class Forecaster {
public:
    explicit Forecaster(bool pad) : pad_(pad) {}

    Forecast& Result() { return forecast_; }

    void FirstRange(Shape& pattern) {
        Expand(pattern, true);
        forecast_.appended.push_back(pattern.entries);
    }

    void Add(const Shape& shape) {
        if (shape.entries > 0) live_.push_back(shape);
    }

    // The caller's entries that a pass would expand, which it walks before the call's own.
    void AddCallersEntries(const std::vector<std::string>& list) {
        for (const std::string& entry : list) {
            if (HoldsBrackets(entry)) Add(Shape(entry, false));
        }
    }

    // Returns whether the pass found an entry to expand.
    bool Pass() {
        inPass_ = true;
        std::vector<Shape> next;
        std::int64_t appended = 0;
        bool found = false;
        for (Shape& shape : live_) {
            if (!shape.HoldsBrackets()) {
                Finish(shape);
                continue;
            }
            found = true;
            if (shape.ours) replaced_ += shape.Totals();
            Expand(shape, false);
            shape.ours = true;
            if (shape.entries == 0) continue;
            appended = SaturatingAdd(appended, shape.entries);
            next.push_back(shape);
        }
        live_ = std::move(next);
        if (found) forecast_.appended.push_back(appended);
        return found;
    }

    // Throws RenbanRefused when the call would give, or build on its way, more than the caps.
    void Check() {
        for (const Shape& shape : live_) Finish(shape);
        live_.clear();
        inPass_ = forecast_.appended.size() > 1;
        forecast_.result = result_;
        CheckResult(result_);
        CheckOnTheWay(replaced_);
    }

    bool InPass() const { return inPass_; }

private:
    void Expand(Shape& shape, bool lowercase) {
        shape.Expand(lowercase, pad_);
        if (shape.entries > 0 && shape.Longest() > kMaxRenbanEntryBytes) {
            throw RenbanRefused(texts::EntryTooLong());
        }
        fw::DoEvents();
    }

    void Finish(const Shape& shape) {
        if (shape.ours) result_ += shape.Totals();
    }

    const bool pad_;
    Forecast forecast_;
    bool inPass_ = false;
    std::vector<Shape> live_;  // shapes whose entries may still hold brackets
    Figures result_;           // the entries that are done
    Figures replaced_;         // the call's entries that a pass replaced
};

}  // namespace

Forecast ForecastCall(std::string_view pattern, const std::vector<std::string>& list, bool pad,
                      std::int32_t passes) {
    Forecaster forecaster(pad);
    try {
        Shape first(pattern, true);
        forecaster.FirstRange(first);
        if (passes > 1) forecaster.AddCallersEntries(list);
        forecaster.Add(first);
        for (std::int32_t p = 0; passes > 1 && p < passes; ++p) {
            if (!forecaster.Pass()) break;
        }
        forecaster.Check();
    } catch (const RenbanRefused& refusal) {
        forecaster.Result().refusal = refusal.what();
        forecaster.Result().refusedInPass = forecaster.InPass();
    }
    return std::move(forecaster.Result());
}

Forecast ForecastPass(const std::vector<std::string>& list, bool pad) {
    Forecaster forecaster(pad);
    try {
        forecaster.AddCallersEntries(list);
        forecaster.Pass();
        forecaster.Check();
    } catch (const RenbanRefused& refusal) {
        forecaster.Result().refusal = refusal.what();
        forecaster.Result().refusedInPass = true;
    }
    return std::move(forecaster.Result());
}

}  // namespace myglobal::renban
