#include "params/block_format.h"

#include "params/block_tokenizer.h"
#include "params/decimal.h"
#include "params/file_stream.h"

namespace {

// Counts lines for an observer: line() is the line of the last character read that is not white
// space, so a word ended by its line feed still belongs to its own line.
class LineCounter : public InStream {
public:
    explicit LineCounter(InStream& in) : in_(in) {}
    int get() override {
        int c = in_.get();
        if (c == '\n')
            ++current_;
        else if (c >= 0 && !isBlankChar(c))
            marked_ = current_;
        return c;
    }
    void unget(int c) override {
        if (c == '\n') --current_;
        in_.unget(c);
    }
    int line() const { return marked_; }

private:
    InStream& in_;
    int current_ = 1;
    int marked_ = 1;
};

enum Outcome { complete, noEntry, failed };

// The installer reads without an observer; the observed reader is built only where a tool asks
// for it, so the installer carries none of its code.
template <bool observed>
class BlockReader {
public:
    // With observed, lines counts the lines of in and observer hears of them; else both are null.
    BlockReader(InStream& in, BlockNumbers numbers, const LineCounter* lines,
                BlockObserver* observer)
        : in_(in), tokens_("#", ""), numbers_(numbers), lines_(lines), observer_(observer) {}

    // Reads one entry: a key, an optional "= value" and an optional child
    // block. On failure the entry keeps what it had and loses its value.
    Outcome readEntry(ParamNode& entry) {
        if (!tokens_.next(in_)) {
            entry.reset(Reach::node);
            return noEntry;
        }
        entry.setName(tokens_.text.text());
        if constexpr (observed)
            observer_->entryRead(entry, lines_->line(), tokens_.type == BlockTokenizer::quoted);
        int c = nextNonBlank(in_);
        if (c == '=') {
            if (!readValue(entry)) return failed;
        } else if (c >= 0) {
            in_.unget(c);
        }
        c = nextNonBlank(in_);
        if (c >= 0) in_.unget(c);
        if (c == '+') readBlock(entry);
        return tooDeep_ ? failed : complete;
    }

    bool tooDeep() const { return tooDeep_; }

private:
    bool readValue(ParamNode& entry) {
        if (!tokens_.next(in_)) {
            errorStream() << "Erreur de lecture de la valeur de " << entry.name() << "\n";
            tell(BlockObserver::missingValue, line());
            entry.reset(Reach::node);
            return false;
        }
        if (numbers_ == BlockNumbers::typed && tokens_.type == BlockTokenizer::number)
            entry.setInteger(truncateToInt(tokens_.real));
        else
            entry.setText(tokens_.text.text());
        return true;
    }

    // Reads the entries between "+" and "-" (or the end of the input) into
    // the children of parent. Entries that failed are kept as they are. A
    // block nested too deep stops the whole reading: every enclosing entry
    // then fails.
    void readBlock(ParamNode& parent) {
        if (nextNonBlank(in_) != '+') return;
        if (depth_ == maxBlockNesting) {
            errorStream() << "Erreur : imbrication trop profonde\n";
            tell(BlockObserver::nestedTooDeep, line());
            tooDeep_ = true;
            return;
        }
        const int opened = line();
        ++depth_;
        ParamNodeList block = nullptr;
        while (!tooDeep_) {
            int c = nextNonBlank(in_);
            if (c < 0) tell(BlockObserver::unclosedBlock, opened);
            if (c == '-') noteWordAfterDash();
            if (c < 0 || c == '-') break;
            in_.unget(c);
            ParamNode* entry = new ParamNode();
            readEntry(*entry);
            listPrepend(block, entry);
        }
        listReverse(block);
        parent.setChildren(block, TakeList::adopt);
        --depth_;
    }

    int line() const {
        if constexpr (observed) return lines_->line();
        return 0;
    }

    void noteWordAfterDash() {
        if constexpr (observed) {
            int next = in_.get();
            if (next >= 0) in_.unget(next);
            if (next >= 0 && !isBlankChar(next)) tell(BlockObserver::dashBeforeWord, line());
        }
    }

    void tell(BlockObserver::Mistake kind, int at) {
        if constexpr (observed) observer_->mistake(kind, at);
    }

    InStream& in_;
    BlockTokenizer tokens_;
    BlockNumbers numbers_;
    const LineCounter* lines_;
    BlockObserver* observer_;
    int depth_ = 0;  // blocks open around the entry being read
    bool tooDeep_ = false;
};

template <bool observed>
bool readEntries(ParamNode& node, InStream& in, BlockNumbers numbers, const LineCounter* lines,
                 BlockObserver* observer) {
    node.setChildren(nullptr, TakeList::adopt);
    BlockReader<observed> reader(in, numbers, lines, observer);
    ParamNodeList entries = nullptr;  // newest first while reading
    Outcome outcome;
    for (;;) {
        ParamNode* entry = new ParamNode();
        outcome = reader.readEntry(*entry);
        if (outcome != complete) {
            delete entry;
            break;
        }
        listPrepend(entries, entry);
    }
    ParamNode* last = entries ? entries->node : nullptr;
    listReverse(entries);
    node.setChildren(entries, TakeList::adopt);
    if (outcome == failed && last) {
        OutStream& err = errorStream();
        err << "Erreur apres : \n";
        writeEntry(*last, err, numbers);
        err << "\n";
        return false;
    }
    // A failed first entry leaves no children and no error result, except
    // for nesting too deep: such a file is refused.
    return !reader.tooDeep();
}

}  // namespace

bool readTree(ParamNode& node, InStream& in, BlockNumbers numbers) {
    return readEntries<false>(node, in, numbers, nullptr, nullptr);
}

bool readTree(ParamNode& node, InStream& in, BlockObserver& observer) {
    LineCounter lines(in);
    return readEntries<true>(node, lines, BlockNumbers::text, &lines, &observer);
}

bool readTreeFile(ParamNode& node, const char* path, BlockNumbers numbers) {
    InFileStream in(path);
    return readTree(node, in, numbers);
}

bool readTreeFile(ParamNode& node, const char* path, BlockObserver& observer) {
    InFileStream in(path);
    return readTree(node, in, observer);
}
