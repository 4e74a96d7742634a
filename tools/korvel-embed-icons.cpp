// korvel-embed-icons OUTPUT PNG...: writes a C++ source holding each square PNG as premultiplied
// ARGB pixels, for the program to build its window icon from without decoding an image at start.
// Run by the build on the rendered application icon.

#include <QImage>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: korvel-embed-icons OUTPUT PNG...\n");
        return 2;
    }
    const std::string output = argv[1];
    std::ofstream out(output + ".part");
    out << "// Made by korvel-embed-icons from the rendered application icon.\n"
           "#include \"platform/qt/WindowIconPixels.h\"\n\n"
           "namespace korvel::qt {\n\nnamespace {\n\n";
    std::string table;
    for (int i = 2; i < argc; ++i) {
        QImage image(QString::fromLocal8Bit(argv[i]));
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "korvel-embed-icons: %s is not a square picture\n", argv[i]);
            return 1;
        }
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        const std::string name = "kSide" + std::to_string(image.width());
        out << "const std::uint32_t " << name << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            out << "\n   ";
            for (int x = 0; x < image.width(); ++x) out << " 0x" << std::hex << line[x] << "u,";
            out << std::dec;
        }
        out << "\n};\n\n";
        table += "    {" + std::to_string(image.width()) + ", " + name + "},\n";
    }
    out << "const IconPixels kSizes[] = {\n"
        << table << "};\n\n}  // namespace\n\n"
        << "std::span<const IconPixels> WindowIconPixels() { return kSizes; }\n\n"
           "}  // namespace korvel::qt\n";
    out.close();
    if (!out || std::rename((output + ".part").c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "korvel-embed-icons: %s could not be written\n", output.c_str());
        return 1;
    }
    return 0;
}
