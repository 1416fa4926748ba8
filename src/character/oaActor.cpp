#include "character/oaActor.h"

#include "util/DelphiText.h"
#include "util/Random.h"

#include <filesystem>
#include <fstream>

namespace vm {
namespace {

constexpr const char* kFileNotFound = "File not found";
constexpr const char* kNotValid = "File is not a valid actor library";
// Far beyond any actor library; keeps a wrong file from being read whole.
constexpr uintmax_t kMaxLibrarySize = 256u << 20;

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& fileName)
{
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(fileName, ec);
    if (ec || size > kMaxLibrarySize)
        return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<uint8_t> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
        return std::nullopt;
    return bytes;
}

} // namespace

TAssistantActor::~TAssistantActor()
{
    // By now the owner that hooked OnUnload may be half destroyed: an owner
    // that must hear of the release calls Close itself before that.
    OnUnload = nullptr;
    Close();
}

void TAssistantActor::SetFileName(const std::string& fileName)
{
    if (SameText(fileName, fileName_))
        return;
    if (!fileName_.empty())
        Close();
    fileName_ = fileName;
    if (fileName_.empty())
        return;
    try {
        Open();
    } catch (...) {
        fileName_.clear();
        throw;
    }
}

void TAssistantActor::Open()
{
    if (loaded_)
        return;
    std::error_code ec;
    if (!std::filesystem::exists(fileName_, ec))
        throw EActorError(fileName_ + "\r\n" + kFileNotFound);
    {
        ActorLock guard(*this);
        if (!LoadLibrary()) {
            loaded_.reset();
            record_ = nullptr;
            transparentColor_ = 0;
            stateCounts_.fill(0);
        }
    }
    if (!loaded_)
        throw EActorError(fileName_ + "\r\n" + kNotValid);
    if (OnLoad)
        OnLoad(*this);
}

// Loads and validates; on false nothing is kept.
bool TAssistantActor::LoadLibrary()
{
    auto bytes = ReadWholeFile(fileName_);
    if (!bytes)
        return false;
    loaded_ = LoadActorLibrary(std::move(*bytes));
    if (!loaded_)
        return false;
    record_ = &loaded_->record;
    stateCounts_.fill(0);
    for (const TAnimationInfo& a : record_->animations)
        for (int s = 0; s < kCountedStates; ++s)
            if (a.HasState(s))
                ++stateCounts_[size_t(s)];
    transparentColor_ = ColorOf(record_->palette.entries[record_->transparentIndex]);
    return true;
}

void TAssistantActor::Close()
{
    if (!loaded_)
        return;
    if (OnUnload)
        OnUnload(*this);
    ActorLock guard(*this);
    record_ = nullptr;
    loaded_.reset();
    transparentColor_ = 0;
    stateCounts_.fill(0);
}

uint16_t TAssistantActor::AnimationCount() const { return record_ ? uint16_t(record_->animations.size()) : 0; }
uint16_t TAssistantActor::FrameWidth() const { return record_ ? record_->frameWidth : 0; }
uint16_t TAssistantActor::FrameHeight() const { return record_ ? record_->frameHeight : 0; }
uint8_t TAssistantActor::TransparentIndex() const { return record_ ? record_->transparentIndex : 0; }
const TPalette* TAssistantActor::Palette() const { return record_ ? &record_->palette : nullptr; }

const TAnimationInfo* TAssistantActor::Animations(size_t n) const
{
    if (!record_ || n == 0 || n > record_->animations.size())
        return nullptr;
    return &record_->animations[n - 1];
}

uint16_t TAssistantActor::PickAnimation(int state) const
{
    if (!record_ || state <= 0 || state >= kCountedStates || stateCounts_[size_t(state)] == 0)
        return 0;
    int wanted = 1 + Random::Next(stateCounts_[size_t(state)]);
    for (size_t n = 1; n <= record_->animations.size(); ++n)
        if (record_->animations[n - 1].HasState(state) && --wanted == 0)
            return uint16_t(n);
    return 0;
}

uint16_t TAssistantActor::FindAnimation(std::string_view name) const
{
    if (!record_ || name.empty())
        return 0;
    for (size_t n = record_->animations.size(); n >= 1; --n)
        if (SameText(record_->animations[n - 1].name, name))
            return uint16_t(n);
    return 0;
}

std::optional<std::span<const uint8_t>> TAssistantActor::AnimationResource(uint16_t id) const
{
    return loaded_ ? loaded_->image->Resource(kResourceTypeRcData, id) : std::nullopt;
}

std::optional<std::span<const uint8_t>> TAssistantActor::WaveResource(uint16_t id) const
{
    return loaded_ ? loaded_->image->Resource(kResourceTypeWave, id) : std::nullopt;
}

} // namespace vm
