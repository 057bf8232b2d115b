#include "ui/DialogLanguage.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "ui/DialogResources.h"

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// Reads the private copy of a layout text. Every read that fails leaves the position
// where it was.
class Scanner {
public:
    explicit Scanner(const String& text) : text_(text) {}

    int32_t Position() const { return pos_; }
    void SetPosition(int32_t pos) { pos_ = pos; }
    bool AtEnd() const { return pos_ >= text_.Length(); }
    char Peek() const { return AtEnd() ? 0 : text_[pos_]; }

    void SkipWhiteSpace() {
        while (!AtEnd() && IsWhiteSpace(text_[pos_])) ++pos_;
    }
    bool Take(char c) {
        if (AtEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool ReadIdentifier(String& out) {
        if (!IsLetter(Peek())) return false;
        int32_t start = pos_;
        while (!AtEnd() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
        out = text_.Mid(start, pos_ - start);
        return true;
    }
    bool ReadInteger(String& out) {
        int32_t start = pos_;
        int32_t p = pos_;
        if (p < text_.Length() && text_[p] == '-') ++p;
        if (p >= text_.Length() || !IsDigit(text_[p])) return false;
        while (p < text_.Length() && IsDigit(text_[p])) ++p;
        pos_ = p;
        out = text_.Mid(start, pos_ - start);
        return true;
    }
    bool ReadQuoted(String& out) {
        if (Peek() != '\'') return false;
        String value;
        for (int32_t p = pos_ + 1; p < text_.Length(); ++p) {
            if (text_[p] != '\'') {
                value.Append(text_[p]);
            } else if (p + 1 < text_.Length() && text_[p + 1] == '\'') {
                value.Append('\'');
                ++p;
            } else {
                pos_ = p + 1;
                out = std::move(value);
                return true;
            }
        }
        return false;
    }

private:
    const String text_;
    int32_t pos_ = 0;
};

class Properties {
public:
    void Set(const String& name, const String& value) {
        for (auto& [key, v] : items_)
            if (key.Compare(name, true) == 0) {
                v = value;
                return;
            }
        items_.emplace_back(name, value);
    }
    const String* Find(const char* name) const {
        for (const auto& [key, v] : items_)
            if (key.Compare(name, true) == 0) return &v;
        return nullptr;
    }
    bool Has(const char* name) const { return Find(name) != nullptr; }
    String Text(const char* name) const {
        const String* v = Find(name);
        return v ? *v : String();
    }
    int32_t Whole(const char* name, int32_t otherwise = 0) const {
        const String* v = Find(name);
        return v ? int32_t(std::strtol(v->c_str(), nullptr, 10)) : otherwise;
    }

private:
    std::vector<std::pair<String, String>> items_;
};

uint32_t LayoutFlags(const String& type, const Properties& p) {
    uint32_t flags = 0;
    if (!p.Has("samerow")) flags |= kLayoutNewRow;
    if (p.Has("indent")) flags |= kLayoutIndent;
    if (type == "text") flags |= kLayoutNaturalWidth;
    if (p.Has("widthgroup")) {
        int32_t group = p.Whole("widthgroup");
        if (group >= 1 && group <= 7)
            flags |= uint32_t(group) << kLayoutWidthGroupShift;
        else
            flags |= kLayoutNaturalWidth;
    }
    return flags;
}

bool ReadStorage(const String& word, StorageMode& mode) {
    String w = word;
    w.TrimLeft();
    w.TrimRight();
    if (w.Compare("index") == 0) mode = StorageMode::kIndex;
    else if (w.Compare("id") == 0) mode = StorageMode::kId;
    else if (w.Compare("text") == 0) mode = StorageMode::kText;
    else if (w.Compare("alias") == 0) mode = StorageMode::kAlias;
    else return false;
    return true;
}

void MakeEdit(DialogControl& c, const Properties& p) {
    EditOptions& e = c.edit;
    if (p.Has("dirspec")) e.chooser = EditChooser::kDirectory;
    else if (p.Has("filespec"))
        e.chooser = p.Has("multiline") ? EditChooser::kMultipleFiles : EditChooser::kFile;
    else e.multiline = p.Has("multiline");
    e.fixedPitch = p.Has("fixed");
    e.password = p.Has("password");
    if (const String* v = p.Find("incdec")) {
        e.incdec = true;
        e.numericMode = 1;
        std::vector<double> n = ExtractNumbers(*v);
        if (n.size() == 1) {
            e.incrementMode = int32_t(std::lround(n[0]));
        } else if (n.size() == 2 || n.size() == 3) {
            e.minimum = n[0];
            e.maximum = n[1];
            if (n.size() == 3) e.step = n[2];
        }
    }
    if (p.Has("label")) c.caption = p.Text("label");
    if (p.Has("limit")) e.limit = p.Whole("limit");
    c.text = p.Text("text");
}

void MakeCombo(DialogControl& c, const Properties& p, DialogResources& resources) {
    bool editable = true;
    bool sorted = false;
    StorageMode storage = StorageMode::kText;
    if (p.Has("charsetspec")) {
        c.characterSets = true;
        c.AddEntries(resources.CharacterSets());
        editable = false;
        storage = StorageMode::kId;
    }
    if (const String* kinds = p.Find("fontspec")) {
        static const std::pair<const char*, int32_t> kKinds[] = {
            {"truetype", kFontKindTrueType}, {"raster", kFontKindRaster}, {"device", kFontKindDevice},
            {"fixed", kFontKindFixed},       {"variable", kFontKindVariable}};
        int32_t mask = 0;
        for (const auto& [word, bit] : kKinds)
            if (kinds->Find(word) >= 0) mask |= bit;
        c.fontKindMask = mask;
        std::vector<DialogEntry> faces;
        for (const String& face : resources.FontFaces(mask)) faces.push_back({face, 0, {}});
        c.AddEntries(faces);
        sorted = true;
        editable = false;
    }
    if (const String* v = p.Find("storage")) {
        if (ReadStorage(*v, storage) && storage != StorageMode::kText) editable = false;
    }
    if (p.Has("label")) c.caption = p.Text("label");
    if (const String* v = p.Find("entries")) c.AddEntries(ParseEntries(*v));
    if (const String* v = p.Find("sorted")) sorted = ParseLayoutBoolean(*v);
    if (const String* v = p.Find("editable")) editable = ParseLayoutBoolean(*v);
    c.SetSorted(sorted);
    c.SetEditable(editable);
    c.storage = storage;
    if (const String* v = p.Find("text")) c.SetValue(*v);
}

void MakeList(DialogControl& c, const Properties& p) {
    c.caption = p.Text("caption");
    if (const String* v = p.Find("entries")) c.AddEntries(ParseEntries(*v));
    c.doubleClick = p.Has("dclick");
    if (const String* v = p.Find("storage")) ReadStorage(*v, c.storage);
    if (const String* v = p.Find("selection")) c.SetValue(*v);
}

void MakeScroll(DialogControl& c, const Properties& p) {
    ScrollOptions& s = c.scroll;
    s.vertical = p.Has("vertical");
    s.minimum = p.Whole("min", 0);
    s.maximum = p.Whole("max", 100);
    s.notches = p.Whole("notches", 0);
    s.buttonSize = p.Whole("bsize", 0);
    if (const String* v = p.Find("leaptoclick")) s.leapToClick = ParseLayoutBoolean(*v);
    s.value = p.Whole("value", s.minimum);
}

// Null for an unknown type name.
DialogControl* CreateControl(Dialog& dialog, const String& type, const Properties& p,
                             DialogResources& resources) {
    uint32_t flags = LayoutFlags(type, p);
    DialogControl* c = nullptr;
    if (type == "text") {
        c = &dialog.Add(ControlKind::kStaticText, flags);
        c->caption = p.Text("text");
        c->fancy = p.Has("fancy");
        c->alignment = p.Has("center") ? kAlignCenter : p.Has("right") ? kAlignRight : kAlignLeft;
    } else if (type == "edit") {
        c = &dialog.Add(ControlKind::kEditbox, flags);
        MakeEdit(*c, p);
    } else if (type == "checkbox") {
        c = &dialog.Add(ControlKind::kCheckbox, flags);
        c->caption = p.Text("text");
        c->checked = p.Has("checked");
    } else if (type == "button") {
        c = &dialog.Add(ControlKind::kPushButton, flags);
        c->caption = p.Text("text");
        c->button.isDefault = p.Has("default");
        if (const String* topic = p.Find("showhelp")) {
            c->button.showsHelp = true;
            c->button.helpTopicToShow = *topic;
        }
        if (p.Has("icon")) {
            c->button.hasIcon = true;
            c->button.icon = p.Whole("icon");
        }
    } else if (type == "radio") {
        c = &dialog.Add(ControlKind::kRadioButton, flags);
        c->caption = p.Text("text");
        c->checked = p.Has("checked");
        c->radioGroup = p.Whole("group");
    } else if (type == "divider") {
        c = &dialog.Add(ControlKind::kDivider, flags);
    } else if (type == "combo") {
        c = &dialog.Add(ControlKind::kCombobox, flags);
        MakeCombo(*c, p, resources);
    } else if (type == "list") {
        c = &dialog.Add(ControlKind::kListbox, flags);
        MakeList(*c, p);
    } else if (type == "scroll") {
        c = &dialog.Add(ControlKind::kScrollbar, flags);
        MakeScroll(*c, p);
    } else if (type == "glyph") {
        c = &dialog.Add(ControlKind::kGlyphChooser, flags);
    }
    return c;
}

void ApplyCommonProperties(Dialog& dialog, DialogControl& c, const Properties& p) {
    static const std::pair<const char*, DependencyKind> kDepends[] = {
        {"depend_cb", DependencyKind::kCheckbox},
        {"depend_eb", DependencyKind::kEditbox},
        {"depend_rb", DependencyKind::kRadioButton}};
    bool depends = false;
    for (const auto& [name, kind] : kDepends) {
        const String* v = p.Find(name);
        if (v && !v->Equals("0")) {
            c.dependency = kind;
            c.dependencyInverted = v->Equals("2");
            depends = true;
            break;
        }
    }
    if (!depends && p.Has("depend_combo")) {
        int32_t n = p.Whole("depend_combo");
        c.dependency = DependencyKind::kCombobox;
        c.dependencyValue = n < 0 ? -n : n;
        c.dependencyInverted = n < 0;
    }

    int32_t style = c.fontStyle;
    if (p.Has("bold")) style |= kFontBold;
    if (p.Has("italics")) style |= kFontItalics;
    if (p.Has("underline")) style |= kFontUnderline;
    if (style) c.fontStyle = style;

    if (p.Has("small")) c.fontScale *= 0.85;
    else if (p.Has("large")) c.fontScale *= 1.5;
    else if (p.Has("huge")) c.fontScale *= 1.9;

    if (p.Has("focus")) dialog.SetFocus(dialog.Count() - 1);

    if (p.Has("tips")) c.tip = p.Text("tips");
    if (p.Has("title")) c.tipTitle = p.Text("title");

    if (const String* topic = p.Find("help")) {
        if (topic->Equals("~*~")) {
            String own = c.caption;
            own.TrimLeft();
            own.TrimRight();
            if (!own.IsEmpty() && own[own.Length() - 1] == ':') own.SetLength(own.Length() - 1);
            c.helpTopic = own;
        } else {
            c.helpTopic = *topic;
        }
    }
}

bool Fail(const Scanner& scanner, const String& text, const String& message, int32_t* errorPosition,
          String* errorText) {
    int32_t at = scanner.Position();
    if (at > text.Length()) at = text.Length();
    if (errorPosition) *errorPosition = at;
    if (errorText) {
        String marked = text;
        marked.Insert(at, " <!ERROR!> ");
        *errorText = message + "\r\n\r\n" + marked;
    }
    return false;
}

}  // namespace

std::vector<double> ExtractNumbers(const String& text) {
    std::vector<double> numbers;
    const int32_t n = text.Length();
    int32_t i = 0;
    while (i < n) {
        char c = text[i];
        if (!IsDigit(c) && c != '+' && c != '-' && c != '.') {
            ++i;
            continue;
        }
        int32_t p = i;
        if (text[p] == '+' || text[p] == '-') ++p;
        int32_t digits = 0;
        while (p < n && IsDigit(text[p])) ++p, ++digits;
        if (p < n && text[p] == '.') {
            ++p;
            while (p < n && IsDigit(text[p])) ++p, ++digits;
        }
        if (digits == 0) {
            // A sign or point with no digit separates like any other character.
            ++i;
            continue;
        }
        numbers.push_back(std::strtod(std::string(text.c_str() + i, size_t(p - i)).c_str(), nullptr));
        i = p;
    }
    return numbers;
}

bool ParseLayoutBoolean(const String& value) {
    String v = value;
    v.TrimLeft();
    v.TrimRight();
    for (const char* no : {"", "0", "n", "no", "f", "false"})
        if (v.Compare(no) == 0) return false;
    return true;
}

std::vector<DialogEntry> ParseEntries(const String& value) {
    struct Collect : StringReceiver {
        std::vector<String> pieces;
        void TakeToken(const String& token) override { pieces.push_back(token); }
    } collect;
    // The split already turns a doubled comma into one, so labels need no further
    // unescaping.
    value.Split(",", String::kSplitDoubledDelimiter | String::kSplitTrim, collect);
    std::vector<DialogEntry> entries;
    for (String& piece : collect.pieces) {
        DialogEntry entry;
        int32_t open;
        if (piece.Length() && piece[piece.Length() - 1] == '}' && (open = piece.FindLastOf("{")) >= 0) {
            entry.alias = piece.Mid(open + 1, piece.Length() - open - 2);
            piece.SetLength(open);
        }
        if (piece.Length() && piece[piece.Length() - 1] == ']' && (open = piece.FindLastOf("[")) >= 0) {
            entry.id = int32_t(std::strtol(piece.c_str() + open + 1, nullptr, 10));
            piece.SetLength(open);
        }
        entry.label = piece;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool ParseLayout(Dialog& dialog, const String& text, int32_t* errorPosition, String* errorText) {
    return ParseLayout(dialog, text, TheDialogResources(), errorPosition, errorText);
}

bool ParseLayout(Dialog& dialog, const String& text, DialogResources& resources, int32_t* errorPosition,
                 String* errorText) {
    Scanner s(text);
    auto fail = [&](const String& message) { return Fail(s, text, message, errorPosition, errorText); };
    while (true) {
        s.SkipWhiteSpace();
        if (s.AtEnd()) return true;
        Properties props;
        String type;
        String quoted;
        if (s.ReadQuoted(quoted)) {
            type = "text";
            props.Set("text", quoted);
        } else if (!s.ReadIdentifier(type)) {
            return fail("Type name expected");
        }
        const int32_t afterType = s.Position();

        s.SkipWhiteSpace();
        if (s.Take('{')) {
            s.SkipWhiteSpace();
            while (!s.Take('}')) {
                String name;
                if (!s.ReadIdentifier(name)) return fail("Property name expected");
                String value;
                s.SkipWhiteSpace();
                if (s.Take('=')) {
                    s.SkipWhiteSpace();
                    if (!s.ReadInteger(value) && !s.ReadQuoted(value))
                        return fail("Expected a property value inside tick marks.");
                }
                props.Set(name, value);
                s.SkipWhiteSpace();
                if (s.Take(';')) {
                    s.SkipWhiteSpace();
                } else if (s.Take('}')) {
                    break;
                } else {
                    return fail("Expected a semi-colon or closing brace.");
                }
            }
        } else if (!s.AtEnd() && s.Peek() != ';') {
            return fail("'{' or ';' expected after type name.");
        }

        DialogControl* control = CreateControl(dialog, type, props, resources);
        if (!control) {
            s.SetPosition(afterType);
            return fail("Invalid type: " + type);
        }
        ApplyCommonProperties(dialog, *control, props);

        s.SkipWhiteSpace();
        if (s.Take(';')) continue;
        if (s.AtEnd()) return true;
        return fail("Expected a semi-colon.");
    }
}
