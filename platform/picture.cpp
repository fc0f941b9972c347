#include "picture.h"

#include "exception.h"

#include <map>

namespace {
struct TGraphicClass {
    std::vector<std::string> Extensions;
    std::function<std::unique_ptr<TGraphic>()> Create;
};

std::map<std::string, TGraphicClass>& GraphicClasses() {
    static std::map<std::string, TGraphicClass> classes;
    return classes;
}
} // namespace

void RegisterGraphicClass(const std::string& className, const std::vector<std::string>& extensions,
                          std::function<std::unique_ptr<TGraphic>()> create) {
    GraphicClasses()[className] = {extensions, std::move(create)};
}

std::unique_ptr<TGraphic> CreateGraphic(const std::string& className) {
    auto it = GraphicClasses().find(className);
    if (it == GraphicClasses().end()) return nullptr;
    return it->second.Create();
}

std::string GraphicClassForExtension(const std::string& extension) {
    for (const auto& [name, cls] : GraphicClasses())
        for (const auto& ext : cls.Extensions)
            if (SameText(ext, extension)) return name;
    return {};
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    Changed();
}

void TPicture::Assign(const TPicture& other) {
    if (&other == this) return;
    FGraphic = other.FGraphic ? other.FGraphic->Clone() : nullptr;
    Changed();
}

void TPicture::LoadFromData(const std::vector<std::uint8_t>& data) {
    if (data.empty()) throw EReadError("Picture data is empty");
    size_t nameLength = data[0];
    if (1 + nameLength > data.size()) throw EReadError("Picture data is truncated");
    std::string className(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(nameLength));
    std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
    if (!graphic) throw EReadError("Unknown picture format " + className);
    graphic->ReadData(data, 1 + nameLength);
    SetGraphic(std::move(graphic));
}

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}
