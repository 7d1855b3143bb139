// A talking character as described by its character file (".twc") and its art.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <array>
#include <optional>

namespace tw {

// The three looks every character has.
enum class CharacterLook { Idle = 0, Speaking = 1, Attention = 2 };
constexpr int kCharacterLooks = 3;

struct CharacterFile
{
    QString name;
    // SVG documents, indexed by CharacterLook; each one checked to render.
    std::array<QByteArray, kCharacterLooks> art;
    QColor balloon = QColor(255, 253, 240);
    QColor outline = QColor(70, 50, 40);
    QColor text = QColor(40, 30, 25);
    // The voice's own pitch and rate, -1 to 1 (0: the engine's default).
    double pitch = 0.0;
    double rate = 0.0;
    // Height of the character on screen in pixels.
    int size = 150;

    // Reads a character file and the art it names (file names in the same
    // folder). Any fault — missing, truncated or malformed file, art that is
    // missing or does not render, a value out of range — gives nullopt and,
    // when `error` is given, a one-line reason.
    static std::optional<CharacterFile> read(const QString &path, QString *error = nullptr);
    // Parses the text of a character file; art is read from `folder`.
    static std::optional<CharacterFile> parse(const QByteArray &content, const QString &folder,
                                              QString *error = nullptr);
};

// The file name pattern of character files.
inline constexpr char kCharacterPattern[] = "*.twc";

} // namespace tw
