// TPicture: holds one graphic and tells its owner when it changes.
#pragma once

#include "graphic.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPicture : public TObject {
public:
    std::string ClassName() const override { return "TPicture"; }

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // Copies the other picture's graphic; the picture object itself stays.
    void Assign(const TPicture& other);
    // Reads a data block: a length-prefixed graphic class name, then that class's own data.
    void LoadFromData(const std::vector<std::uint8_t>& data);

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};

// Graphic classes by name and by file extension.
void RegisterGraphicClass(const std::string& className, const std::vector<std::string>& extensions,
                          std::function<std::unique_ptr<TGraphic>()> create);
std::unique_ptr<TGraphic> CreateGraphic(const std::string& className);
std::string GraphicClassForExtension(const std::string& extension);
