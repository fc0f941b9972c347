// Build helper: turns a component description into a C++ source that registers it as a resource.
//
//   embed_resource <description> <output.cpp> <RESOURCE NAME> <function name>
//
// Any other file is embedded unchanged. A value written as <file.jpg> is replaced by a picture data block: the graphic class name with
// its length byte, the file's length as 32-bit little-endian, then the file's bytes, in hex.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
std::vector<std::uint8_t> ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string GraphicClassFor(const fs::path& p) {
    std::string ext = p.extension().string();
    if (ext == ".jpg" || ext == ".jpeg") return "TJPEGImage";
    throw std::runtime_error("no graphic class for " + p.string());
}

std::string PictureBlock(const fs::path& file, const std::string& indent) {
    std::vector<std::uint8_t> jpeg = ReadFile(file);
    std::string cls = GraphicClassFor(file);
    std::vector<std::uint8_t> block;
    block.push_back(static_cast<std::uint8_t>(cls.size()));
    block.insert(block.end(), cls.begin(), cls.end());
    auto n = static_cast<std::uint32_t>(jpeg.size());
    for (int i = 0; i < 4; ++i) block.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    block.insert(block.end(), jpeg.begin(), jpeg.end());
    static const char* hex = "0123456789ABCDEF";
    std::string out = "{";
    for (size_t i = 0; i < block.size(); ++i) {
        if (i % 32 == 0) out += "\n" + indent + "  ";
        out += hex[block[i] >> 4];
        out += hex[block[i] & 15];
    }
    out += "}";
    return out;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: embed_resource <description> <output.cpp> <resource name> <function name>\n";
        return 2;
    }
    try {
        fs::path input = argv[1];
        std::ifstream in(input);
        if (!in) throw std::runtime_error("cannot read " + input.string());
        std::string text, line;
        // Anything but a description (an icon, say) is embedded byte for byte.
        bool raw = input.extension() != ".dfm";
        if (raw) {
            std::vector<std::uint8_t> bytes = ReadFile(input);
            text.assign(bytes.begin(), bytes.end());
        }
        while (!raw && std::getline(in, line)) {
            size_t lt = line.find("= <");
            size_t gt = line.rfind('>');
            if (lt != std::string::npos && gt != std::string::npos && gt > lt + 3 && gt == line.size() - 1) {
                std::string indent = line.substr(0, line.find_first_not_of(' '));
                fs::path file = input.parent_path() / line.substr(lt + 3, gt - lt - 3);
                line = line.substr(0, lt + 2) + PictureBlock(file, indent);
            }
            text += line + "\n";
        }
        std::ostringstream cpp;
        cpp << "// Generated from " << input.filename().string() << " by embed_resource; do not edit.\n"
            << "#include \"platform/reader.h\"\n\nnamespace {\nconst unsigned char Data[] = {\n";
        for (size_t i = 0; i < text.size(); ++i) {
            cpp << static_cast<unsigned>(static_cast<unsigned char>(text[i])) << ',';
            if (i % 24 == 23) cpp << '\n';
        }
        cpp << "0};\n} // namespace\n\nvoid " << argv[4] << "() { RegisterResource(\"" << argv[3]
            << "\", Data, sizeof Data - 1); }\n";
        std::ofstream out(argv[2]);
        out << cpp.str();
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "embed_resource: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
