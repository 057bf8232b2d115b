// Random editing sessions: after every edit the incrementally kept layout must equal
// a layout made from scratch, and undo and redo must walk through exactly the texts
// the session produced.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editbox/EditboxTestSupport.h"

namespace {

struct Session {
    const char* name;
    bool fixedPitch;
    int32_t clientWidth;  // 0 = no wrapping
    double tabCharacters;
};

class RandomText {
public:
    explicit RandomText(uint32_t seed) : random_(seed) {}

    int32_t Below(int32_t n) { return int32_t(random_() % uint32_t(n)); }

    // Words, runs of blanks, break-after characters, kerning pairs and every kind of
    // line break, in proportions that make all the breaker's paths common.
    std::string Piece() {
        static const char* const kBreaks[] = {"\r\n", "\n\r", "\r", "\n"};
        static const char* const kWords[] = {"AV", "LTo", "f", "word", "a", "-", ",", ";",
                                             ">", "\\", "x.y", "Waltz", "ii"};
        switch (Below(10)) {
        case 0:
        case 1: return kBreaks[Below(4)];
        case 2: return std::string(size_t(1 + Below(5)), ' ');
        case 3: return "\t";
        case 4: return std::string(size_t(5 + Below(30)), char('a' + Below(26)));
        default: return kWords[Below(13)];
        }
    }

    std::string Text(int32_t length) {
        std::string text;
        while (int32_t(text.size()) < length) text += Piece();
        return text;
    }

private:
    std::mt19937 random_;
};

class EditboxRandomTest : public EditboxTest {
protected:
    // The laid-out lines must be those a fresh layout of the same text makes.
    void ExpectLayoutMatchesFresh(bool complete, const char* what) {
        TextBox& box = this->box->Box();
        if (complete) box.LineCount();
        // Setting the same font again would rebuild its tables; keep the one we have.
        if (fresh.GetFont() != box.GetFont()) fresh.SetFont(box.GetFont());
        fresh.SetWordWrap(box.WordWrap());
        fresh.SetWrapWidth(box.WrapWidth());
        fresh.SetTabDistance(box.TabDistance(), box.TabUnitMode());
        fresh.SetText(box.Text());
        int32_t last = box.LastLaidOutLine();
        if (complete) {
            ASSERT_EQ(box.LineCount(), fresh.LineCount()) << what;
        }
        for (int32_t i = 0; i <= last; ++i) {
            TextBoxLine a, b;
            ASSERT_TRUE(box.GetLine(i, a)) << what;
            ASSERT_TRUE(fresh.GetLine(i, b)) << what << " line " << i;
            if (a.start == b.start && a.visibleCount == b.visibleCount &&
                a.totalCount == b.totalCount && a.width == b.width && a.reach == b.reach)
                continue;
            FAIL() << what << " line " << i << ": kept (" << a.start << ", " << a.visibleCount
                   << ", " << a.totalCount << ", " << a.width << ", " << a.reach
                   << "), fresh (" << b.start << ", " << b.visibleCount << ", "
                   << b.totalCount << ", " << b.width << ", " << b.reach << ")";
        }
    }

    TextBox fresh;

    void Run(const Session& session, uint32_t seed, int32_t segments, int32_t editsPerSegment) {
        RandomText random(seed);
        for (int32_t segment = 0; segment < segments; ++segment) {
            fresh.SetFont(nullptr);
            box = std::make_unique<Editbox>(kMultiLine);
            box->SetFonts(std::make_unique<HeadlessProportionalFont>(),
                          std::make_unique<HeadlessMonospaceFont>());
            box->SetFixedPitch(session.fixedPitch);
            box->SetWordWrap(session.clientWidth > 0);
            box->SetViewHost(&host);
            box->SetHost(&host);
            box->OnSize(session.clientWidth > 0 ? session.clientWidth : 400, 160);
            box->OnFocus(true);
            box->Box().SetTabDistance(session.tabCharacters, kTabCharacters);
            // Short texts are simply laid out again; most sessions work on long ones.
            int32_t length = random.Below(4) == 0 ? random.Below(300) : 600 + random.Below(3000);
            box->SetText(random.Text(length).c_str());

            // Fewer steps than the undo list holds, so that the model needs no bounds.
            std::vector<std::string> history{Text()};
            size_t at = 0;
            for (int32_t step = 0; step < editsPerSegment; ++step) {
                std::string what = std::string(session.name) + " seed " + std::to_string(seed) +
                                   " segment " + std::to_string(segment) + " step " +
                                   std::to_string(step);
                int32_t op = random.Below(14);
                int32_t textLength = box->GetTextLength();
                if (op >= 12) {
                    bool undo = op == 12;
                    bool possible = undo ? at > 0 : at + 1 < history.size();
                    ASSERT_EQ(undo ? box->Undo() : box->Redo(), possible) << what;
                    if (possible) at = undo ? at - 1 : at + 1;
                    ASSERT_EQ(Text(), history[at]) << what;
                } else {
                    int32_t before = box->UndoCount() == 0 ? -1 : box->UndoPosition();
                    std::string oldText = Text();
                    bool changed = Edit(op, random, textLength);
                    int32_t steps = box->UndoPosition() - before;
                    if (changed) {
                        ASSERT_EQ(steps, 1) << what << " op " << op;
                        history.resize(at + 1);
                        history.push_back(Text());
                        at = history.size() - 1;
                    } else {
                        ASSERT_EQ(Text(), oldText) << what << " op " << op;
                    }
                }
                // Touch some part of the layout, as drawing and caret queries do.
                if (random.Below(3) == 0) box->Box().LineOfIndex(random.Below(box->GetTextLength() + 1));
                ExpectLayoutMatchesFresh(random.Below(8) == 0, what.c_str());
                if (HasFatalFailure()) return;
            }
            // Walk all the way back and forth again.
            while (at > 0) {
                ASSERT_TRUE(box->Undo());
                ASSERT_EQ(Text(), history[--at]);
            }
            ASSERT_FALSE(box->Undo());
            while (at + 1 < history.size()) {
                ASSERT_TRUE(box->Redo());
                ASSERT_EQ(Text(), history[++at]);
                ExpectLayoutMatchesFresh(false, "redo walk");
            }
            ASSERT_FALSE(box->Redo());
        }
    }

    // One primitive edit; true when it changed the text through one snapshot.
    bool Edit(int32_t op, RandomText& random, int32_t length) {
        int32_t position = random.Below(length + 1);
        switch (op) {
        case 0:
        case 1:
        case 2: {
            box->ClearSelection();
            box->SetCaret(position, false);
            static const char kTyped[] = "abcAVLTof -,;\t\n\r ";
            return box->InsertChar(uint8_t(kTyped[random.Below(int32_t(sizeof kTyped) - 1)]));
        }
        case 3: {
            box->ClearSelection();
            box->SetCaret(position, false);
            return box->OverwriteChar(random.Below(2) ? 'W' : ' ');
        }
        case 4:
        case 5:
            box->ClearSelection();
            box->SetCaret(position, false);
            return box->DeleteChar(op == 4);
        case 6: {
            int32_t other = std::min(length, position + random.Below(200));
            box->SetSelection(position, other);
            return box->DeleteChar(random.Below(2) == 0);
        }
        case 7:
        case 8: {
            TheHeadlessClipboard().WriteText(random.Text(1 + random.Below(120)).c_str());
            int32_t other = std::min(length, position + random.Below(30));
            box->SetSelection(position, other);
            return box->Paste();
        }
        case 9: {
            std::string text = random.Text(random.Below(50));
            int32_t count = random.Below(60);
            // Even a replacement that changes nothing is an undo step.
            return box->ReplaceRange(text.c_str(), position, count, true);
        }
        case 10: {
            if (length == 0) return false;
            int32_t first = std::min(position, length - 1);
            int32_t last = std::min(length - 1, first + random.Below(400));
            return box->DeleteRange(first, last, true);
        }
        default: {
            box->SetCaret(position, false);
            return box->InsertLineBreak();
        }
        }
    }
};

TEST_F(EditboxRandomTest, MonospaceWrappedNarrow) {
    Run({"mono narrow", true, 8 * 9 + 2 * Editbox::kTextMargin + 2, 2}, 11, 16, 90);
}

TEST_F(EditboxRandomTest, MonospaceWrappedTinyWithWideTabs) {
    Run({"mono tiny", true, 8 * 3 + 2 * Editbox::kTextMargin + 2, 8}, 12, 16, 90);
}

TEST_F(EditboxRandomTest, ProportionalWrapped) {
    Run({"proportional", false, 97, 1}, 13, 16, 90);
}

TEST_F(EditboxRandomTest, ProportionalWrappedTiny) {
    Run({"proportional tiny", false, 17, 3}, 14, 16, 90);
}

TEST_F(EditboxRandomTest, Unwrapped) {
    Run({"unwrapped", false, 0, 4}, 15, 16, 90);
}

}  // namespace
