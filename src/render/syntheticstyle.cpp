#include "render/syntheticstyle.h"

#include <QByteArray>
#include <QRawFont>

namespace {

constexpr int kOs2WeightClass = 4;
constexpr int kOs2FsSelection = 62;
constexpr int kOs2Version0Size = 78;  // shorter tables are not read at all
constexpr int kHeadMacStyle = 44;
constexpr int kPostIsFixedPitch = 12;
constexpr unsigned kFsItalicOrOblique = 0x0001u | 0x0200u;
constexpr unsigned kFsBold = 0x0020u;
constexpr unsigned kMacItalic = 0x0002u;
constexpr int kBoldWeight = 700;
constexpr double kEmboldenLimit = 64;  // pixels
constexpr double kEmboldenShare = 1.0 / 24;

unsigned BigEndian16(const QByteArray& table, int offset) {
    return (static_cast<unsigned>(static_cast<unsigned char>(table[offset])) << 8) |
           static_cast<unsigned char>(table[offset + 1]);
}

}  // namespace

bool EngineSlants(const QRawFont& font) {
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() >= kOs2FsSelection + 2) {
        return (BigEndian16(os2, kOs2FsSelection) & kFsItalicOrOblique) == 0;
    }
    const QByteArray head = font.fontTable("head");
    if (head.size() >= kHeadMacStyle + 2) {
        return (BigEndian16(head, kHeadMacStyle) & kMacItalic) == 0;
    }
    return false;
}

double EngineBoldStrength(const QRawFont& font, int scale) {
    if (font.pixelSize() / scale >= kEmboldenLimit) {
        return 0;
    }
    // Without a readable OS/2 table the engine never emboldens.
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() < kOs2Version0Size || (BigEndian16(os2, kOs2FsSelection) & kFsBold) != 0 ||
        BigEndian16(os2, kOs2WeightClass) >= kBoldWeight) {
        return 0;
    }
    const QByteArray post = font.fontTable("post");
    if (post.size() >= kPostIsFixedPitch + 4 &&
        (BigEndian16(post, kPostIsFixedPitch) | BigEndian16(post, kPostIsFixedPitch + 2)) != 0) {
        return 0;
    }
    return font.pixelSize() * kEmboldenShare;
}
