#include "packlib/graphics/picture.h"

#include "packlib/text/textutils.h"

namespace {

bool FileExists(const std::string& name) {
    return !name.empty() && GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void DestroyImage(HANDLE image, int imageType) {
    if (imageType == IMAGE_ICON) DestroyIcon(static_cast<HICON>(image));
    else if (imageType == IMAGE_CURSOR) DestroyCursor(static_cast<HCURSOR>(image));
    else DeleteObject(image);
}

// The resource type that holds images of the type under their names: a named icon or
// cursor is a group of images of several sizes.
LPCSTR ResourceTypeOf(int imageType) {
    if (imageType == IMAGE_ICON) return RT_GROUP_ICON;
    if (imageType == IMAGE_CURSOR) return RT_GROUP_CURSOR;
    return RT_BITMAP;
}

}  // namespace

// ---- QPicture ----

QPicture::QPicture(QObject* owner) : Owner(owner) {}

QPicture::~QPicture() {
    ReleaseImage();
}

void QPicture::ReleaseImage() {
    if (!made_) return;
    DestroyImage(made_, madeType_);
    if (Handle == made_) Handle = nullptr;
    made_ = nullptr;
}

void QPicture::TakeImage(HANDLE image, int imageType) {
    Handle = made_ = image;
    madeType_ = imageType;
}

void QPicture::MakeBlankBitmap() {
    ReleaseImage();
    BITMAP record{};
    record.bmWidth = 24;
    record.bmHeight = 24;
    // One plane of one bit a pixel: the window system makes no bitmap of zero planes.
    record.bmPlanes = 1;
    record.bmBitsPixel = 1;
    record.bmWidthBytes = 4;
    TakeImage(CreateBitmapIndirect(&record), IMAGE_BITMAP);
    ImageType = IMAGE_BITMAP;
}

void QPicture::Changed() {
    if (OnChange) OnChange(this);
}

void QPicture::Create() {
    if (ImageType == IMAGE_BITMAP) MakeBlankBitmap();
}

void QPicture::LoadFromFile(const std::string& name) {
    FileName = name;
    ReleaseImage();
    UINT flags = LR_LOADFROMFILE | LR_DEFAULTSIZE;
    if (Transparent) flags |= LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS;
    TakeImage(LoadImageA(nullptr, name.c_str(), static_cast<UINT>(ImageType), 0, 0, flags),
              ImageType);
    Changed();
}

void QPicture::LoadFromResource(const std::string& name) {
    ReleaseImage();
    Handle = nullptr;
    FileName = name;
    LPCSTR type = ResourceTypeOf(ImageType);
    UINT flags = LR_DEFAULTSIZE;
    if (Transparent) flags |= LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS;
    // Resources are looked up in the executable and loaded from where they were found (a
    // null instance would ask the window system's own images for the name).
    HMODULE program = GetModuleHandleA(nullptr);
    if (!name.empty() && FindResourceA(program, name.c_str(), type))
        TakeImage(LoadImageA(program, name.c_str(), static_cast<UINT>(ImageType), 0, 0, flags),
                  ImageType);
    Changed();
}

const std::string& QPicture::GetFileName() const {
    return FileName;
}

void QPicture::SetFileName(const std::string& name) {
    if (velpack::EqualsNoCase(name, FileName)) return;
    FileName = name;
    std::string extension = velpack::LowerCase(ExtractFileExt(name));
    if (extension == ".bmp") ImageType = IMAGE_BITMAP;
    else if (extension == ".ico") ImageType = IMAGE_ICON;
    else if (extension == ".cur") ImageType = IMAGE_CURSOR;
    if (FileExists(name)) LoadFromFile(name);
    else LoadFromResource(name);
    Changed();
}

HANDLE QPicture::GetHandle() const {
    return Handle;
}

void QPicture::SetHandle(HANDLE handle) {
    Handle = handle;
}

int QPicture::GetImageType() const {
    return ImageType;
}

void QPicture::SetOnChange(QPictureChange onChange) {
    OnChange = onChange;
}

// ---- QBitmap ----

QBitmap::QBitmap() = default;
QBitmap::~QBitmap() = default;

void QBitmap::Create() {
    MakeBlankBitmap();
}

void QBitmap::Assign(HBITMAP bitmap) {
    BITMAP record{};
    if (!bitmap || GetObjectA(bitmap, sizeof record, &record) == 0) return;
    Width = record.bmWidth;
    Height = record.bmHeight;
    // A copy of the picture itself: a bitmap made from the record alone would be blank.
    HANDLE copy = CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0);
    if (!copy) return;
    ReleaseImage();
    TakeImage(copy, IMAGE_BITMAP);
}

void QBitmap::SetFileName(const std::string& name) {
    FileName = name;
    if (FileExists(name)) LoadFromFile(name);
    else LoadFromResource(name);
}

// ---- QIcon ----

QIcon::QIcon() {
    ImageType = IMAGE_ICON;
}

QIcon::~QIcon() = default;

void QIcon::Create() {}

void QIcon::LoadIconFile(const std::string& name) {
    if (!FileExists(name)) return;
    ReleaseImage();
    TakeImage(LoadImageA(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE), IMAGE_ICON);
}
