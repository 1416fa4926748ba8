#include "settings/SettingsStore.h"

#include "platform/Paths.h"
#include "util/AtomicFile.h"
#include "util/DelphiText.h"

#include <ctime>
#include <map>
#include <mutex>

namespace vm {

struct SettingsStore::Document {
    std::string path;
    SettingsData data;
    std::string unreadableOriginal; // the bytes of a file that did not parse cleanly
    bool keepOriginal = false;

    // Applies `change`, then writes the file; on failure both stay as they were.
    template <typename Change>
    void Modify(Change change)
    {
        SettingsData before = data;
        change(data);
        try {
            if (keepOriginal) {
                WriteFileAtomically(path + ".broken-" + Timestamp(), unreadableOriginal);
                keepOriginal = false;
                unreadableOriginal.clear();
            }
            WriteFileAtomically(path, SerializeSettings(data));
        } catch (...) {
            data = std::move(before);
            throw;
        }
    }

    static std::string Timestamp()
    {
        char text[32];
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
        return text;
    }
};

namespace {

// One live copy per file, shared by all handles of the process.
std::shared_ptr<SettingsStore::Document> OpenShared(const std::string& path,
                                                    std::shared_ptr<SettingsStore::Document> (*load)(const std::string&))
{
    static std::mutex mutex;
    static std::map<std::string, std::weak_ptr<SettingsStore::Document>> open;
    std::lock_guard lock(mutex);
    if (auto existing = open[path].lock())
        return existing;
    auto doc = load(path);
    open[path] = doc;
    return doc;
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(Paths::SettingsFile()) {}

SettingsStore::SettingsStore(const std::string& path)
{
    doc_ = OpenShared(path, [](const std::string& p) {
        auto doc = std::make_shared<Document>();
        doc->path = p;
        std::string bytes;
        if (ReadWholeFile(p, bytes)) {
            ParsedSettings parsed = ParseSettings(bytes);
            doc->data = std::move(parsed.data);
            if (!parsed.clean) {
                doc->keepOriginal = true;
                doc->unreadableOriginal = std::move(bytes);
            }
        }
        return doc;
    });
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view name, std::string_view fallback) const
{
    const SettingsValue* v = doc_->data.Find(section, name);
    return v ? v->text : std::string(fallback);
}

int32_t SettingsStore::ReadInteger(std::string_view section, std::string_view name, int32_t fallback) const
{
    const SettingsValue* v = doc_->data.Find(section, name);
    return v ? StrToIntDef(v->text, fallback) : fallback;
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view name, bool fallback) const
{
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void SettingsStore::WriteString(std::string_view section, std::string_view name, std::string_view text)
{
    doc_->Modify([&](SettingsData& data) { data.Set(section, name, text); });
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view name, int32_t value)
{
    WriteString(section, name, std::to_string(value));
}

void SettingsStore::WriteBool(std::string_view section, std::string_view name, bool value)
{
    WriteString(section, name, value ? "1" : "0");
}

void SettingsStore::EraseSection(std::string_view section)
{
    if (doc_->data.Find(section))
        doc_->Modify([&](SettingsData& data) { data.Erase(section); });
}

std::vector<std::string> SettingsStore::ListSection(std::string_view section) const
{
    std::vector<std::string> names;
    if (const SettingsSection* s = doc_->data.Find(section))
        for (const auto& v : s->values)
            names.push_back(v.name);
    return names;
}

bool SettingsStore::ValueExists(std::string_view section, std::string_view name) const
{
    return doc_->data.Find(section, name) != nullptr;
}

const SettingsData& SettingsStore::Data() const { return doc_->data; }
const std::string& SettingsStore::Path() const { return doc_->path; }

} // namespace vm
