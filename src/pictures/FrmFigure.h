#pragma once
// The picture holder: never shown, loaded on first use, it serves the object pictures (Image3)
// and the symbol pictures (Image1) by index. Each picture is rendered the first time it is asked
// for and kept until the holder is unloaded.

#include <QPixmap>

#include <array>
#include <optional>

class FrmFigure {
public:
    bool isLoaded() const { return caricato_; }
    void load() { caricato_ = true; }
    void unload();

    // Object picture n, 0 to 14; 0 (and 13, 14) is the empty picture.
    QPixmap Image3(int n);
    // Symbol picture k, 1 to 8; the array has no element 0.
    QPixmap Image1(int k);
    // What the pictures show, as a screen reader names them.
    static QString nomeOggetto(int n);
    static QString nomeSimbolo(int k);

private:
    bool caricato_ = false;
    std::array<std::optional<QPixmap>, 15> oggetti_;
    std::array<std::optional<QPixmap>, 9> simboli_;
};
