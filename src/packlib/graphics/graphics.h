// Drawing objects: pen, brush and the picture family. Frames use a brush and a cursor, the
// image control a picture.
#pragma once

#include <windows.h>

#include <string>

#include "packlib/core/object.h"
#include "packlib/graphics/font.h"

class VELPACK_API QPen : public QObject {
public:
    QPen();
    ~QPen();
    QPen(const QPen&) = delete;
    QPen& operator=(const QPen&) = delete;
    void Create();
    void ReleaseHandle();
    QPen* Self() { return this; }

    LOGPEN Record{};
    HPEN Handle = nullptr;
    std::int32_t Style = 0;
    std::int32_t Width = 0;
    COLORREF Color = 0;
};

class VELPACK_API QBrush : public QObject {
public:
    QBrush();
    ~QBrush();
    QBrush(const QBrush&) = delete;
    QBrush& operator=(const QBrush&) = delete;
    void Create();
    void ReleaseHandle();
    // Reads the colour back from the brush handle.
    COLORREF GetColor();
    void SetColor(COLORREF color);
    HBRUSH GetHandle() const { return Handle; }
    void SetHandle(HBRUSH handle) { Handle = handle; }
    QBrush* Self() { return this; }

    LOGBRUSH Record{};
    HBRUSH Handle = nullptr;
    std::int32_t Hatch = 0;
    COLORREF Color = 0;
};

class VELPACK_API QGraphic : public QObject {};

class QPicture;
using QPictureChange = void (*)(QPicture* picture);

// A picture with an image handle. Adds dispatch slots 6 to 10.
class VELPACK_API QPicture : public QGraphic {
public:
    explicit QPicture(QObject* owner = nullptr);
    QPicture(const QPicture&) = delete;
    QPicture& operator=(const QPicture&) = delete;

    // Slot 6: makes an image; a plain picture makes a 24 by 24 bitmap.
    virtual void Create();
    // Slot 7: loads the image file by ImageType, then notifies OnChange.
    virtual void LoadFromFile(const std::string& name);
    // Slot 8: no operation.
    virtual void Reserved() {}
    // Slot 9: loads a resource of the name, then notifies OnChange.
    virtual void LoadFromResource(const std::string& name);
    // Slot 10.
    virtual QPicture* Self() { return this; }

    const std::string& GetFileName() const { return FileName; }
    // A new name (compared without regard to case) sets the image type from the
    // extension and loads the file, or the resource when no such file exists.
    void SetFileName(const std::string& name);
    HANDLE GetHandle() const { return Handle; }
    void SetHandle(HANDLE handle) { Handle = handle; }
    QObject* GetOwner() const { return Owner; }
    void SetOwner(QObject* owner) { Owner = owner; }

    HANDLE Handle = nullptr;
    std::string FileName;
    std::int32_t ImageType = IMAGE_BITMAP;
    bool Transparent = false;
    QObject* Owner = nullptr;
    QPictureChange OnChange = nullptr;

protected:
    void ReleaseImage();
    void Changed();
};

class VELPACK_API QCanvas : public QPicture {
public:
    QCanvas();
    ~QCanvas();
    void Create() override {}
    void FromWindow(HWND window);
    COLORREF GetBkColor();
    void SetBkColor(COLORREF color);

    HWND Window = nullptr;
    QPen* Pen;
    QBrush* Brush;
    QFont* Font;
    COLORREF BkColor = 0;
};

class VELPACK_API QBitmap : public QPicture {
public:
    QBitmap() = default;
    void Create() override;
    void Assign(HBITMAP bitmap);

    QCanvas* Canvas = nullptr;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

class VELPACK_API QIcon : public QBitmap {
public:
    QIcon() { ImageType = IMAGE_ICON; }
    void Create() override {}
    void LoadIconFile(const std::string& name);
};

class VELPACK_API QCursor : public QIcon {
public:
    QCursor() { ImageType = IMAGE_CURSOR; }
    // Looks the name up among the system cursors ("crArrow", "hand" ...); other names
    // give no cursor.
    void SetCursorName(const std::string& name);
    int GetHotSpotX();
    int GetHotSpotY();

    std::int32_t HotSpotX = 0;
    std::int32_t HotSpotY = 0;
};
