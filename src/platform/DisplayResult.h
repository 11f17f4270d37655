#pragma once

#include <cstdint>

// Results of the display device. The codes keep DirectDraw's numeric values (facility 0x876, plus
// the generic COM codes that DirectDraw reuses), so diagnostics read exactly as they would there.
namespace platform {

using DisplayResult = int32_t;

namespace detail {
constexpr DisplayResult Code(uint32_t value) { return static_cast<DisplayResult>(value); }
}  // namespace detail

inline constexpr DisplayResult DD_OK = 0;
inline constexpr DisplayResult DDERR_ALREADYINITIALIZED = detail::Code(0x88760005u);
inline constexpr DisplayResult DDERR_CANNOTATTACHSURFACE = detail::Code(0x8876000Au);
inline constexpr DisplayResult DDERR_CANNOTDETACHSURFACE = detail::Code(0x88760014u);
inline constexpr DisplayResult DDERR_CURRENTLYNOTAVAIL = detail::Code(0x88760028u);
inline constexpr DisplayResult DDERR_EXCEPTION = detail::Code(0x88760037u);
inline constexpr DisplayResult DDERR_GENERIC = detail::Code(0x80004005u);
inline constexpr DisplayResult DDERR_HEIGHTALIGN = detail::Code(0x8876005Au);
inline constexpr DisplayResult DDERR_INCOMPATIBLEPRIMARY = detail::Code(0x8876005Fu);
inline constexpr DisplayResult DDERR_INVALIDCAPS = detail::Code(0x88760064u);
inline constexpr DisplayResult DDERR_INVALIDCLIPLIST = detail::Code(0x8876006Eu);
inline constexpr DisplayResult DDERR_INVALIDMODE = detail::Code(0x88760078u);
inline constexpr DisplayResult DDERR_INVALIDOBJECT = detail::Code(0x88760082u);
inline constexpr DisplayResult DDERR_INVALIDPARAMS = detail::Code(0x80070057u);
inline constexpr DisplayResult DDERR_INVALIDPIXELFORMAT = detail::Code(0x88760091u);
inline constexpr DisplayResult DDERR_INVALIDRECT = detail::Code(0x88760096u);
inline constexpr DisplayResult DDERR_LOCKEDSURFACES = detail::Code(0x887600A0u);
inline constexpr DisplayResult DDERR_NO3D = detail::Code(0x887600AAu);
inline constexpr DisplayResult DDERR_NOALPHAHW = detail::Code(0x887600B4u);
inline constexpr DisplayResult DDERR_NOCLIPLIST = detail::Code(0x887600CDu);
inline constexpr DisplayResult DDERR_NOCOLORCONVHW = detail::Code(0x887600D2u);
inline constexpr DisplayResult DDERR_NOCOOPERATIVELEVELSET = detail::Code(0x887600D4u);
inline constexpr DisplayResult DDERR_NOCOLORKEY = detail::Code(0x887600D7u);
inline constexpr DisplayResult DDERR_NOCOLORKEYHW = detail::Code(0x887600DCu);
inline constexpr DisplayResult DDERR_NODIRECTDRAWSUPPORT = detail::Code(0x887600DEu);
inline constexpr DisplayResult DDERR_NOEXCLUSIVEMODE = detail::Code(0x887600E1u);
inline constexpr DisplayResult DDERR_NOFLIPHW = detail::Code(0x887600E6u);
inline constexpr DisplayResult DDERR_NOGDI = detail::Code(0x887600F0u);
inline constexpr DisplayResult DDERR_NOMIRRORHW = detail::Code(0x887600FAu);
inline constexpr DisplayResult DDERR_NOTFOUND = detail::Code(0x887600FFu);
inline constexpr DisplayResult DDERR_NOOVERLAYHW = detail::Code(0x88760104u);
inline constexpr DisplayResult DDERR_NORASTEROPHW = detail::Code(0x88760118u);
inline constexpr DisplayResult DDERR_NOROTATIONHW = detail::Code(0x88760122u);
inline constexpr DisplayResult DDERR_NOSTRETCHHW = detail::Code(0x88760136u);
inline constexpr DisplayResult DDERR_NOT4BITCOLOR = detail::Code(0x8876013Cu);
inline constexpr DisplayResult DDERR_NOT4BITCOLORINDEX = detail::Code(0x8876013Du);
inline constexpr DisplayResult DDERR_NOT8BITCOLOR = detail::Code(0x88760140u);
inline constexpr DisplayResult DDERR_NOTEXTUREHW = detail::Code(0x8876014Au);
inline constexpr DisplayResult DDERR_NOVSYNCHW = detail::Code(0x8876014Fu);
inline constexpr DisplayResult DDERR_NOZBUFFERHW = detail::Code(0x88760154u);
inline constexpr DisplayResult DDERR_NOZOVERLAYHW = detail::Code(0x8876015Eu);
inline constexpr DisplayResult DDERR_OUTOFCAPS = detail::Code(0x88760168u);
inline constexpr DisplayResult DDERR_OUTOFMEMORY = detail::Code(0x8007000Eu);
inline constexpr DisplayResult DDERR_OUTOFVIDEOMEMORY = detail::Code(0x8876017Cu);
inline constexpr DisplayResult DDERR_OVERLAYCANTCLIP = detail::Code(0x8876017Eu);
inline constexpr DisplayResult DDERR_OVERLAYCOLORKEYONLYONEACTIVE = detail::Code(0x88760180u);
inline constexpr DisplayResult DDERR_PALETTEBUSY = detail::Code(0x88760183u);
inline constexpr DisplayResult DDERR_COLORKEYNOTSET = detail::Code(0x88760190u);
inline constexpr DisplayResult DDERR_SURFACEALREADYATTACHED = detail::Code(0x8876019Au);
inline constexpr DisplayResult DDERR_SURFACEALREADYDEPENDENT = detail::Code(0x887601A4u);
inline constexpr DisplayResult DDERR_SURFACEBUSY = detail::Code(0x887601AEu);
inline constexpr DisplayResult DDERR_CANTLOCKSURFACE = detail::Code(0x887601B3u);
inline constexpr DisplayResult DDERR_SURFACEISOBSCURED = detail::Code(0x887601B8u);
inline constexpr DisplayResult DDERR_SURFACELOST = detail::Code(0x887601C2u);
inline constexpr DisplayResult DDERR_SURFACENOTATTACHED = detail::Code(0x887601CCu);
inline constexpr DisplayResult DDERR_TOOBIGHEIGHT = detail::Code(0x887601D6u);
inline constexpr DisplayResult DDERR_TOOBIGSIZE = detail::Code(0x887601E0u);
inline constexpr DisplayResult DDERR_TOOBIGWIDTH = detail::Code(0x887601EAu);
inline constexpr DisplayResult DDERR_UNSUPPORTED = detail::Code(0x80004001u);
inline constexpr DisplayResult DDERR_UNSUPPORTEDFORMAT = detail::Code(0x887601FEu);
inline constexpr DisplayResult DDERR_UNSUPPORTEDMASK = detail::Code(0x88760208u);
inline constexpr DisplayResult DDERR_VERTICALBLANKINPROGRESS = detail::Code(0x88760219u);
inline constexpr DisplayResult DDERR_WASSTILLDRAWING = detail::Code(0x8876021Cu);
inline constexpr DisplayResult DDERR_XALIGN = detail::Code(0x88760230u);
inline constexpr DisplayResult DDERR_INVALIDDIRECTDRAWGUID = detail::Code(0x88760231u);
inline constexpr DisplayResult DDERR_DIRECTDRAWALREADYCREATED = detail::Code(0x88760232u);
inline constexpr DisplayResult DDERR_NODIRECTDRAWHW = detail::Code(0x88760233u);
inline constexpr DisplayResult DDERR_PRIMARYSURFACEALREADYEXISTS = detail::Code(0x88760234u);
inline constexpr DisplayResult DDERR_NOEMULATION = detail::Code(0x88760235u);
inline constexpr DisplayResult DDERR_REGIONTOOSMALL = detail::Code(0x88760236u);
inline constexpr DisplayResult DDERR_CLIPPERISUSINGHWND = detail::Code(0x88760237u);
inline constexpr DisplayResult DDERR_NOCLIPPERATTACHED = detail::Code(0x88760238u);
inline constexpr DisplayResult DDERR_NOHWND = detail::Code(0x88760239u);
inline constexpr DisplayResult DDERR_HWNDSUBCLASSED = detail::Code(0x8876023Au);
inline constexpr DisplayResult DDERR_HWNDALREADYSET = detail::Code(0x8876023Bu);
inline constexpr DisplayResult DDERR_NOPALETTEATTACHED = detail::Code(0x8876023Cu);
inline constexpr DisplayResult DDERR_NOPALETTEHW = detail::Code(0x8876023Du);
inline constexpr DisplayResult DDERR_BLTFASTCANTCLIP = detail::Code(0x8876023Eu);
inline constexpr DisplayResult DDERR_NOBLTHW = detail::Code(0x8876023Fu);
inline constexpr DisplayResult DDERR_NODDROPSHW = detail::Code(0x88760240u);
inline constexpr DisplayResult DDERR_OVERLAYNOTVISIBLE = detail::Code(0x88760241u);
inline constexpr DisplayResult DDERR_NOOVERLAYDEST = detail::Code(0x88760242u);
inline constexpr DisplayResult DDERR_INVALIDPOSITION = detail::Code(0x88760243u);
inline constexpr DisplayResult DDERR_NOTAOVERLAYSURFACE = detail::Code(0x88760244u);
inline constexpr DisplayResult DDERR_EXCLUSIVEMODEALREADYSET = detail::Code(0x88760245u);
inline constexpr DisplayResult DDERR_NOTFLIPPABLE = detail::Code(0x88760246u);
inline constexpr DisplayResult DDERR_CANTDUPLICATE = detail::Code(0x88760247u);
inline constexpr DisplayResult DDERR_NOTLOCKED = detail::Code(0x88760248u);
inline constexpr DisplayResult DDERR_CANTCREATEDC = detail::Code(0x88760249u);
inline constexpr DisplayResult DDERR_NODC = detail::Code(0x8876024Au);
inline constexpr DisplayResult DDERR_WRONGMODE = detail::Code(0x8876024Bu);
inline constexpr DisplayResult DDERR_IMPLICITLYCREATED = detail::Code(0x8876024Cu);
inline constexpr DisplayResult DDERR_NOTPALETTIZED = detail::Code(0x8876024Du);
inline constexpr DisplayResult DDERR_UNSUPPORTEDMODE = detail::Code(0x8876024Eu);
inline constexpr DisplayResult DDERR_NOMIPMAPHW = detail::Code(0x8876024Fu);
inline constexpr DisplayResult DDERR_DCALREADYCREATED = detail::Code(0x8876026Cu);
inline constexpr DisplayResult DDERR_NONONLOCALVIDMEM = detail::Code(0x88760276u);
inline constexpr DisplayResult DDERR_CANTPAGELOCK = detail::Code(0x88760280u);
inline constexpr DisplayResult DDERR_CANTPAGEUNLOCK = detail::Code(0x88760294u);
inline constexpr DisplayResult DDERR_NOTPAGELOCKED = detail::Code(0x887602A8u);
inline constexpr DisplayResult DDERR_NOTINITIALIZED = detail::Code(0x800401F0u);

struct DisplayResultName {
    DisplayResult code;
    const char* name;
};

// The 100 published error names, in the order of the interface's header.
inline constexpr int kDisplayResultNameCount = 100;
extern const DisplayResultName kDisplayResultNames[kDisplayResultNameCount];

// The symbolic name of an error code, or nullptr for a code that has none (DD_OK included).
const char* FindDisplayResultName(DisplayResult code);

}  // namespace platform
