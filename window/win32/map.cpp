// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "map.h"

#include "form.h"
#include "platform.h"

#include <wincodec.h>

namespace {

// Spelled out, as the headers' are data imported in a static MinGW link.
constexpr GUID kImagingFactory = {0xCACAF262, 0x9370, 0x4615, {0xA1, 0x3B, 0x9F, 0x55, 0x39, 0xDA, 0x4C, 0x0A}};
constexpr GUID kIImagingFactory = {0xEC5EC8A9, 0xC395, 0x4314, {0x9C, 0x77, 0x54, 0xD7, 0xA9, 0x35, 0xFF, 0x70}};
constexpr GUID kPixelFormat32bppBGR = {0x6FDDC324, 0x4E03, 0x4BFE, {0xB1, 0x85, 0x3D, 0x77, 0x76, 0x8D, 0xC9, 0x0E}};

// Releases a COM object when it goes.
template <typename T> struct Com
{
    T *p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
    T **operator&() { return &p; }
    T *operator->() const { return p; }
};

// The PNG resource name of module as a bitmap, by the Windows Imaging
// Component, which every Windows since Vista has.
HBITMAP ReadPng(HMODULE module, const wchar_t *name)
{
    const HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    const void *data = found ? LockResource(LoadResource(module, found)) : nullptr;
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> pixels;
    UINT width = 0, height = 0;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // where the thread has COM already, nothing
    if (!data || FAILED(CoCreateInstance(kImagingFactory, nullptr, CLSCTX_INPROC_SERVER, kIImagingFactory,
                                         reinterpret_cast<void **>(&factory)))
        || FAILED(factory->CreateStream(&stream))
        || FAILED(stream->InitializeFromMemory(static_cast<BYTE *>(const_cast<void *>(data)), SizeofResource(module, found)))
        || FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder))
        || FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&pixels))
        || FAILED(pixels->Initialize(frame.p, kPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))
        || FAILED(pixels->GetSize(&width, &height)))
        return nullptr;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), static_cast<LONG>(width), -static_cast<LONG>(height), 1, 32, BI_RGB}};
    void *bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && FAILED(pixels->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE *>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

COLORREF Colour(form::Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

// Each land's letter, black, its outline golden brown: the letter drawn in
// the outline's colour all round its place, then in black on it, each time
// smoothed at its edges; its ink centred on its place.
void WriteLands(HDC dc, const content::Lands &lands, int scale)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (std::size_t i = 0; i < lands.size(); ++i) {
        const form::MapLetter &letter = form::kMapLetters[i];
        const HFONT font = CreateFontW(-letter.pixels * scale, 0, 0, 0, form::kMapLetterWeight, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                       DEFAULT_PITCH | FF_ROMAN, Wide(form::kFont.face).c_str());
        const HGDIOBJ before = SelectObject(dc, font);
        const std::wstring text = Wide(lands[i]);
        GLYPHMETRICS glyph{};
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        GetGlyphOutlineW(dc, text[0], GGO_METRICS, &glyph, 0, nullptr, &identity);
        const int x = static_cast<int>(letter.x * scale + 0.5) - glyph.gmptGlyphOrigin.x - static_cast<int>(glyph.gmBlackBoxX) / 2;
        const int y = static_cast<int>(letter.y * scale + 0.5) + glyph.gmptGlyphOrigin.y - static_cast<int>(glyph.gmBlackBoxY) / 2;
        const int ring = static_cast<int>(form::kMapOutline / 2 * scale + 0.5);
        SetTextColor(dc, Colour(form::kMapOutlineColour));
        for (int dy = -ring; dy <= ring; ++dy)
            for (int dx = -ring; dx <= ring; ++dx)
                if (dx || dy)
                    TextOutW(dc, x + dx, y + dy, text.c_str(), static_cast<int>(text.size()));
        SetTextColor(dc, Colour(form::kMapLetterColour));
        TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
        DeleteObject(SelectObject(dc, before));
    }
}

} // namespace

HBITMAP MapPicture(HMODULE module, const content::Lands &lands, int scale)
{
    // The bitmap as Windows reads it, needing nothing more; the sharp one,
    // kept small as PNG, through the Windows Imaging Component.
    const HBITMAP map = scale == 2 ? ReadPng(module, L"MAP_2X")
                                   : static_cast<HBITMAP>(LoadImageW(module, L"MAP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!map)
        return nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, map);
    WriteLands(dc, lands, scale);
    SelectObject(dc, before);
    DeleteDC(dc);
    return map;
}
