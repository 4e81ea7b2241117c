#include "wmfplayer.h"
#include "runtime/pixelmessage.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <memory>

namespace {
constexpr double screenDpi = 96.0;
constexpr unsigned int maxSide = PixelMessage::kMaxSide;

// libwmf takes its option texts as char* but only copies them.
char* text(const char* literal) {
    return const_cast<char*>(literal);
}

// libwmf wants the 13 standard PostScript faces as Type 1 files, which Debian ships only in a
// package the setup does not install; the metric-compatible faces it does install stand in.
char* fontFolders[] = {text("/usr/share/fonts/truetype/liberation"), text("/usr/share/fonts/truetype/dejavu"),
                       nullptr};

wmfMapping standardFaces[] = {
    {text("Courier"), text("LiberationMono-Regular.ttf"), FT_ENCODING_NONE},
    {text("Courier-Oblique"), text("LiberationMono-Italic.ttf"), FT_ENCODING_NONE},
    {text("Courier-Bold"), text("LiberationMono-Bold.ttf"), FT_ENCODING_NONE},
    {text("Courier-BoldOblique"), text("LiberationMono-BoldItalic.ttf"), FT_ENCODING_NONE},
    {text("Helvetica"), text("LiberationSans-Regular.ttf"), FT_ENCODING_NONE},
    {text("Helvetica-Oblique"), text("LiberationSans-Italic.ttf"), FT_ENCODING_NONE},
    {text("Helvetica-Bold"), text("LiberationSans-Bold.ttf"), FT_ENCODING_NONE},
    {text("Helvetica-BoldOblique"), text("LiberationSans-BoldItalic.ttf"), FT_ENCODING_NONE},
    {text("Times-Roman"), text("LiberationSerif-Regular.ttf"), FT_ENCODING_NONE},
    {text("Times-Italic"), text("LiberationSerif-Italic.ttf"), FT_ENCODING_NONE},
    {text("Times-Bold"), text("LiberationSerif-Bold.ttf"), FT_ENCODING_NONE},
    {text("Times-BoldItalic"), text("LiberationSerif-BoldItalic.ttf"), FT_ENCODING_NONE},
    {text("Symbol"), text("DejaVuSans.ttf"), FT_ENCODING_NONE},
    {nullptr, nullptr, FT_ENCODING_NONE},
};

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using WmfApi = std::unique_ptr<wmfAPI, ApiDeleter>;

WmfApi createApi() {
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    options.fontdirs = fontFolders;
    options.font.ps = standardFaces;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP |
                                WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    return WmfApi(wmf_api_create(&api, flags, &options) == wmf_E_None ? api : nullptr);
}

int appendTo(void* buffer, char* bytes, int length) {
    static_cast<QByteArray*>(buffer)->append(bytes, length);
    return length;
}
} // namespace

QImage playWmf(const QByteArray& bytes) {
    // Both buffers outlive the library instance that points at them.
    QByteArray metafile = bytes; // libwmf reads through a non-const pointer
    QByteArray png;
    const WmfApi api = createApi();
    if (!api) return {};
    auto* data = reinterpret_cast<unsigned char*>(metafile.data());
    wmfD_Rect box{};
    unsigned int width = 0;
    unsigned int height = 0;
    const bool readable = wmf_mem_open(api.get(), data, metafile.size()) == wmf_E_None &&
                          wmf_scan(api.get(), 0, &box) == wmf_E_None &&
                          wmf_display_size(api.get(), &width, &height, screenDpi, screenDpi) == wmf_E_None;
    if (!readable || width == 0 || height == 0 || width > maxSide || height > maxSide ||
        !PictureLimits::withinPixels(width, height))
        return {};

    // The image that wmf_gd_image hands out cannot be freed through libwmf's interface; as PNG
    // through a sink, libwmf frees its own image.
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = appendTo;
    device->width = width;
    device->height = height;
    device->bbox = box;
    if (wmf_play(api.get(), 0, &box) != wmf_E_None) return {};
    return QImage::fromData(png, "PNG");
}
