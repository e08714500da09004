// Fuzz target: the settings file's reader and writer, round trip, over a text in memory.
// Lookups agree with the listings; a write, a key deletion or a section erasure changes that
// key or section only, every other section reads as before; a written value reads back as
// written; writing it again changes nothing; a refused write leaves the text untouched.
// Input: "SECTION\0KEY\0VALUE\0" and then the file's text. Without three zero bytes the whole
// input is the text, and the write goes to its first key (or a new one).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzzcheck.h"
#include "platform/collation.h"
#include "platform/inifile.h"

namespace {

using fuzzcheck::Expect;
using platform::IniFile;

// Each lookup reads the whole text again; bounds on the keys looked up one by one and on the
// sections listed keep the checks of a large input quick.
constexpr std::size_t kMaxChecked = 16;
constexpr std::size_t kMaxListed = 4;
// No file holds this as a value: reading it back means the key was not found.
const std::string kAbsent = "\x01(absent)";

struct Edit {
    std::string section;
    std::string key;
    std::string value;
    std::string text;
};

Edit SplitInput(const std::string& input) {
    if (const auto split = fuzzcheck::SplitFields<3>(input)) {
        const auto& [section, key, value] = split->fields;
        return {section, key, value, split->rest};
    }
    Edit edit{"Fuzz", "Key", "Value", input};
    std::string text = input;
    const IniFile ini = IniFile::OverText(text);
    const std::vector<std::string> sections = ini.ReadSections();
    if (!sections.empty()) {
        edit.section = sections.front();
        const std::vector<std::string> keys = ini.ReadSection(edit.section);
        if (!keys.empty()) {
            edit.key = keys.front();
        }
    }
    return edit;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Same(const std::string& a, const std::string& b) {
    return platform::CompareStrI(Trim(a), Trim(b)) == 0;
}

// A value that reads back exactly as written: the reader trims blanks and one pair of quotes.
bool ReadsBackAsWritten(const std::string& value) {
    if (value != Trim(value)) {
        return false;
    }
    return value.size() < 2 || (value.front() != '"' && value.front() != '\'') ||
           value.back() != value.front();
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Section {
    std::string name;
    std::optional<Pairs> pairs;  // the first few sections only
};

// The sections as the program lists them, the first few with the keys of the first section of
// their name.
std::vector<Section> Snapshot(const IniFile& ini) {
    std::vector<Section> sections;
    for (const std::string& name : ini.ReadSections()) {
        sections.push_back({name, std::nullopt});
        if (sections.size() <= kMaxListed) {
            sections.back().pairs = ini.ReadSectionValues(name);
        }
    }
    return sections;
}

// A key reads as the first of its name in its section's listing.
void ExpectLookupsMatchListing(const IniFile& ini, const std::vector<Section>& sections) {
    std::size_t checked = 0;
    for (const Section& section : sections) {
        if (!section.pairs) {
            return;
        }
        const Pairs& pairs = *section.pairs;
        for (auto pair = pairs.begin(); pair != pairs.end(); ++pair) {
            if (++checked > kMaxChecked) {
                return;
            }
            const bool shadowed = std::any_of(pairs.begin(), pair, [&](const auto& earlier) {
                return Same(earlier.first, pair->first);
            });
            Expect(shadowed || ini.ReadString(section.name, pair->first, kAbsent) == pair->second,
                   "a key reads as its section lists it");
        }
    }
}

Pairs WithoutKey(Pairs pairs, const std::string& key, bool firstOnly) {
    for (auto pair = pairs.begin(); pair != pairs.end();) {
        if (Same(pair->first, key)) {
            pair = pairs.erase(pair);
            if (firstOnly) {
                break;
            }
        } else {
            ++pair;
        }
    }
    return pairs;
}

// Sections named like the edited one show the first of them, so they change alike; every
// other section must read exactly as before.
template <typename Expected>
void ExpectSections(const std::vector<Section>& before, const std::vector<Section>& after,
                    const std::string& edited, Expected expected) {
    Expect(before.size() == after.size(), "an edit keeps the other sections");
    for (std::size_t i = 0; i < before.size(); ++i) {
        Expect(after[i].name == before[i].name, "an edit keeps the sections' names and order");
        if (!before[i].pairs || !after[i].pairs) {
            continue;
        }
        if (Same(before[i].name, edited)) {
            Expect(expected(*before[i].pairs, *after[i].pairs), "the edited section reads right");
        } else {
            Expect(after[i].pairs == before[i].pairs, "an edit keeps every other section");
        }
    }
}

void CheckWrite(const Edit& edit, const std::vector<Section>& before) {
    std::string text = edit.text;
    IniFile ini = IniFile::OverText(text);
    const bool sectionExisted = ini.SectionExists(edit.section);
    if (!ini.WriteString(edit.section, edit.key, edit.value)) {
        Expect(text == edit.text, "a refused write leaves the text alone");
        return;
    }
    if (ReadsBackAsWritten(edit.value)) {
        Expect(ini.ReadString(edit.section, edit.key, kAbsent) == edit.value,
               "a written value reads back");
    }
    std::vector<Section> after = Snapshot(ini);
    if (!sectionExisted) {
        Expect(!after.empty() && after.back().name == Trim(edit.section),
               "a new section is added at the end");
        Expect(ini.ReadSection(edit.section).size() == 1, "a new section holds the one key");
        after.pop_back();
    }
    ExpectSections(before, after, edit.section, [&](const Pairs& old, const Pairs& now) {
        return WithoutKey(old, edit.key, true) == WithoutKey(now, edit.key, true) &&
               now.size() - old.size() <= 1;
    });
    const std::string written = text;
    Expect(ini.WriteString(edit.section, edit.key, edit.value) && text == written,
           "writing the same value again changes nothing");
}

void CheckDeleteKey(const Edit& edit, const std::vector<Section>& before) {
    std::string text = edit.text;
    IniFile ini = IniFile::OverText(text);
    Expect(ini.DeleteKey(edit.section, edit.key), "deleting a key in memory succeeds");
    ExpectSections(before, Snapshot(ini), edit.section, [&](const Pairs& old, const Pairs& now) {
        return now == WithoutKey(old, edit.key, true);
    });
}

void CheckEraseSection(const Edit& edit, std::vector<Section> before) {
    std::string text = edit.text;
    IniFile ini = IniFile::OverText(text);
    Expect(ini.EraseSection(edit.section), "erasing a section in memory succeeds");
    Expect(!ini.SectionExists(edit.section), "an erased section is gone, every copy of it");
    before.erase(std::remove_if(before.begin(), before.end(),
                                [&](const Section& s) { return Same(s.name, edit.section); }),
                 before.end());
    ExpectSections(before, Snapshot(ini), edit.section,
                   [](const Pairs&, const Pairs&) { return false; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Edit edit = SplitInput(std::string(reinterpret_cast<const char*>(data), size));
    std::string text = edit.text;
    const IniFile ini = IniFile::OverText(text);
    const std::vector<Section> before = Snapshot(ini);
    ExpectLookupsMatchListing(ini, before);
    CheckWrite(edit, before);
    CheckDeleteKey(edit, before);
    CheckEraseSection(edit, before);
    return 0;
}
