// QPen and QBrush: a GDI pen and a GDI brush made from the fields the program sets. Each
// deletes only the handle it made; a brush handle given to it is used, never deleted.
#pragma once

#include <windows.h>

#include "packlib/core/object.h"

class VELPACK_API QPen : public QObject {
public:
    // A solid black pen of width 0.
    QPen();
    ~QPen();
    QPen(const QPen&) = delete;
    QPen& operator=(const QPen&) = delete;

    // Makes the pen again from Style, Width and Color.
    void Create();
    void ReleaseHandle();
    HPEN GetHandle() const;
    QPen* Self() { return this; }

    LOGPEN Record{};
    HPEN Handle = nullptr;
    std::int32_t Style = 0;
    std::int32_t Width = 0;
    COLORREF Color = 0;

private:
    HPEN made_ = nullptr;
};

class VELPACK_API QBrush : public QObject {
public:
    // A solid brush of the system window colour.
    QBrush();
    ~QBrush();
    QBrush(const QBrush&) = delete;
    QBrush& operator=(const QBrush&) = delete;

    // Makes a solid brush again from Color and Hatch.
    void Create();
    void ReleaseHandle();
    // Reads the colour back from the brush handle.
    COLORREF GetColor();
    void SetColor(COLORREF color);
    HBRUSH GetHandle() const;
    // Uses the given brush from now on (stored only; it stays the caller's).
    void SetHandle(HBRUSH handle);
    QBrush* Self() { return this; }

    LOGBRUSH Record{};
    HBRUSH Handle = nullptr;
    std::int32_t Hatch = 0;
    COLORREF Color = 0;

private:
    HBRUSH made_ = nullptr;
};
