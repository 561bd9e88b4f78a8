#include "params/block_format.h"

#include "params/block_tokenizer.h"
#include "params/decimal.h"
#include "params/file_stream.h"

namespace {

class BlockReader {
public:
    explicit BlockReader(InStream& in) : in_(in), tokens_("#", "") {}

    enum Outcome { complete, noEntry, failed };

    // Reads one entry: a key, an optional "= value" and an optional child
    // block. On failure the entry keeps what it had and loses its value.
    Outcome readEntry(ParamNode& entry) {
        if (!tokens_.next(in_)) {
            entry.reset(false);
            return noEntry;
        }
        entry.setName(tokens_.text.text());
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
            entry.reset(false);
            return false;
        }
        if (typedNumbers() && tokens_.type == BlockTokenizer::number)
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
            tooDeep_ = true;
            return;
        }
        ++depth_;
        ParamNodeList block = nullptr;
        while (!tooDeep_) {
            int c = nextNonBlank(in_);
            if (c < 0 || c == '-') break;
            in_.unget(c);
            ParamNode* entry = new ParamNode();
            readEntry(*entry);
            listPrepend(block, entry);
        }
        listReverse(block);
        parent.setChildren(block, false);
        --depth_;
    }

    InStream& in_;
    BlockTokenizer tokens_;
    int depth_ = 0;  // blocks open around the entry being read
    bool tooDeep_ = false;
};

}  // namespace

bool readTree(ParamNode& node, InStream& in) {
    node.setChildren(nullptr, false);
    BlockReader reader(in);
    ParamNodeList entries = nullptr;  // newest first while reading
    BlockReader::Outcome outcome;
    for (;;) {
        ParamNode* entry = new ParamNode();
        outcome = reader.readEntry(*entry);
        if (outcome != BlockReader::complete) {
            delete entry;
            break;
        }
        listPrepend(entries, entry);
    }
    ParamNode* last = entries ? entries->node : nullptr;
    listReverse(entries);
    node.setChildren(entries, false);
    if (outcome == BlockReader::failed && last) {
        OutStream& err = errorStream();
        err << "Erreur apres : \n";
        writeEntry(*last, err);
        err << "\n";
        return false;
    }
    // A failed first entry leaves no children and no error result, except
    // for nesting too deep: such a file is refused.
    return !reader.tooDeep();
}

bool readTreeFile(ParamNode& node, const char* path) {
    InFileStream in(path);
    return readTree(node, in);
}
