// The picture family: QGraphic, QPicture (an image handle loaded from a file or a resource),
// QBitmap and QIcon. A picture destroys only the images it loaded or made; a handle given
// to it is shown, never destroyed.
#pragma once

#include <windows.h>

#include <string>

#include "packlib/core/object.h"

class VELPACK_API QGraphic : public QObject {};

class QPicture;
using QPictureChange = void (*)(QPicture* picture);

// A picture with an image handle. Adds dispatch slots 6 to 10.
class VELPACK_API QPicture : public QGraphic {
public:
    explicit QPicture(QObject* owner = nullptr);
    ~QPicture();
    QPicture(const QPicture&) = delete;
    QPicture& operator=(const QPicture&) = delete;

    // Slot 6: makes an image of the picture's type: a blank 24 by 24 bitmap for type 0;
    // icons and cursors are only loaded, so for them nothing is made.
    virtual void Create();
    // Slot 7: loads the image file by ImageType, then notifies OnChange.
    virtual void LoadFromFile(const std::string& name);
    // Slot 8: no operation.
    virtual void Reserved() {}
    // Slot 9: loads a resource of the name by ImageType, then notifies OnChange.
    virtual void LoadFromResource(const std::string& name);
    // Slot 10.
    virtual QPicture* Self() { return this; }

    const std::string& GetFileName() const;
    // A new name (compared without regard to case) sets the image type from the
    // extension and loads the file, or the resource when no such file exists.
    void SetFileName(const std::string& name);
    HANDLE GetHandle() const;
    // Shows the given image from now on (stored only; no notification).
    void SetHandle(HANDLE handle);
    int GetImageType() const;
    QObject* GetOwner() const { return Owner; }
    void SetOwner(QObject* owner) { Owner = owner; }
    void SetOnChange(QPictureChange onChange);

    HANDLE Handle = nullptr;
    std::string FileName;
    std::int32_t ImageType = IMAGE_BITMAP;
    bool Transparent = false;
    QObject* Owner = nullptr;
    QPictureChange OnChange = nullptr;

protected:
    // Destroys the image the picture made or loaded last, if any.
    void ReleaseImage();
    // Makes the image the picture's own: shown now and destroyed by the picture later.
    void TakeImage(HANDLE image, int imageType);
    void MakeBlankBitmap();
    void Changed();

private:
    HANDLE made_ = nullptr;
    int madeType_ = IMAGE_BITMAP;
};

class QCanvas;

class VELPACK_API QBitmap : public QPicture {
public:
    QBitmap();
    ~QBitmap();
    // A blank 24 by 24 bitmap.
    void Create() override;
    // A copy of the given bitmap, picture and size.
    void Assign(HBITMAP bitmap);
    // Loads the file of that name when it exists, else the resource; the name is neither
    // compared with the last one nor does it change ImageType.
    void SetFileName(const std::string& name);
    QCanvas* GetCanvas() const { return Canvas; }
    void SetCanvas(QCanvas* canvas) { Canvas = canvas; }

    QCanvas* Canvas = nullptr;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

class VELPACK_API QIcon : public QBitmap {
public:
    QIcon();
    ~QIcon();
    // An icon is loaded, not made: nothing happens.
    void Create() override;
    // Loads the icon file at its own size, when the file exists; no notification.
    void LoadIconFile(const std::string& name);
};
