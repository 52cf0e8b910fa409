// The standard controls: thin frames over the window-system control classes.
#pragma once

#include "packlib/window/frame.h"

// The click handler answered by the controls themselves ("onclick", kind 0).
class VELPACK_API QControl : public QFrame {
public:
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;

    // ClassName, or the class's own name ("QStatic", "QButton" ...) when ClassName is empty.
    std::string QueryClassName() const { return ClassName.empty() ? ownName_ : ClassName; }

protected:
    QControl(const char* className, const char* ancestor, std::uint32_t style, int width,
             int height);

private:
    std::string ownName_;
};

enum QAlignment : std::int32_t { taLeft, taCenter, taRight };

class VELPACK_API QStatic : public QControl {
public:
    QStatic();
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    // Static controls take a style when their window is next made or refreshed.
    void Update() override {}

    int GetAlignment() const { return Alignment; }
    // Stores the alignment and mirrors it in the low two bits of Style.
    void SetAlignment(int alignment);

    std::int32_t Alignment = taLeft;

protected:
    QStatic(const char* className, std::uint32_t style, int width, int height);
};

class VELPACK_API QImage : public QStatic {
public:
    QImage();
    ~QImage();
    void Dispatch(QMessage& message) override;
    // Slot 12: the control itself.
    virtual QImage* Self() { return this; }

    bool GetCenterImage();
    void SetCenterImage(bool on);
    QPicture* GetPicture() { return Picture; }
    // Takes the given picture by reference; the replaced one is not released.
    void SetPicture(QPicture* picture);
    // Shows the picture's image in the window (type from the file name's extension).
    void UpdateImage();

    QPicture* Picture;
    bool CenterImage = false;

private:
    QPicture* ownPicture_;
};

class VELPACK_API QButton : public QControl {
public:
    QButton();
    void Dispatch(QMessage& message) override;
    // Called on a click when onClick is not set.
    QEvent onButtonClick = nullptr;
};

class VELPACK_API QCheckBox : public QControl {
public:
    QCheckBox();
    void Dispatch(QMessage& message) override;
};

class VELPACK_API QRadioButton : public QControl {
public:
    QRadioButton();
    // Gets the radio button style back before the window is made.
    void CreateWnd() override;
};

class VELPACK_API QGroupBox : public QControl {
public:
    QGroupBox();
    void CreateWnd() override;
};

class VELPACK_API QEdit : public QControl {
public:
    QEdit();
};

class VELPACK_API QComboBox : public QControl {
public:
    QComboBox();
};

class VELPACK_API QListBox : public QControl {
public:
    QListBox();
};

class VELPACK_API QScrollBar : public QControl {
public:
    QScrollBar();
};
