// Recipe: the list of pictures the content generator draws, read from content/recipe.tsv.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tw::content {

// What kind of art a recipe line asks for.
enum class ArtKind { Emoji, Painted, Scene };

// One picture of the recipe: where it goes, its name and how to draw it.
struct RecipeEntry
{
    int line = 0; // line number in the recipe, for messages
    QString subject; // subject folder: "Misc", "Animals", ... "Background"
    QString name; // picture name = file name without extension
    ArtKind kind = ArtKind::Emoji;
    QString text; // Emoji: the glyph sequence; Painted: the drawing's name
    QStringList sceneKeys; // Scene: the KEY=VALUE words
    QString spoken; // text given to the speech synthesiser (the name unless set)
};

// The parsed recipe, or the first error found in it.
struct Recipe
{
    QList<RecipeEntry> entries;
    QString error; // empty when the recipe is valid

    // The entries of one subject folder, in recipe order.
    QList<RecipeEntry> subject(const QString &name) const;

    // Reads recipe text. Blank lines and lines starting with '#' are ignored.
    static Recipe parse(const QString &text);
    // Reads the recipe file at path; a missing file is an error.
    static Recipe load(const QString &path);
};

// The subject folders that also get a spoken Sounds/<name>.wav.
const QStringList &spokenSubjects();
// Every picture subject folder the recipe may name, in menu order, then "Background".
const QStringList &knownSubjects();

// Turns "1F431 FE0F" (hex code points separated by spaces or '-') into text; empty on error.
QString codePointsToText(const QString &hexList);
// The flag glyph of a two-letter ISO 3166 code ("FR" -> regional indicators F R); empty on error.
QString flagText(const QString &isoCode);

} // namespace tw::content
