import re, sys
root = sys.argv[1]
def edit(p, pairs):
    s = open(root + '/' + p).read()
    for old, new in pairs:
        if old not in s:
            print('MISSING in', p, ':', old[:70]); continue
        s = s.replace(old, new, 1)
    open(root + '/' + p, 'w').write(s)

edit('src/paint/PixelMaps.h', [
 ('#include <optional>\n', '#include <optional>\n#include <span>\n'),
 ('    // True when nothing at all is recorded.', '''    // The maps themselves, row by row with width() entries a row.
    std::span<const quint32> colours() const { return m_colour; }
    std::span<const quint8> widths() const { return m_widths; }
    // True when nothing at all is recorded.'''),
])
edit('src/shell/Educate.h', [
 ('class PaintBox;\n', 'class PaintBox;\nclass ColourBook;\nclass EducatePictureHost;\nclass PictureFiles;\nclass Printing;\n'),
 ('    PaintBox &paintBox() { return *m_paint; }\n', '''    PaintBox &paintBox() { return *m_paint; }
    ColourBook &colourBook() { return *m_colourBook; }
    PictureFiles &pictureFiles() { return *m_pictureFiles; }
    Printing &printing() { return *m_printing; }
'''),
 ('    std::unique_ptr<PaintBox> m_paint;\n', '''    std::unique_ptr<PaintBox> m_paint;
    std::unique_ptr<EducatePictureHost> m_pictureHost;
    std::unique_ptr<ColourBook> m_colourBook;
    std::unique_ptr<PictureFiles> m_pictureFiles;
    std::unique_ptr<Printing> m_printing;
'''),
])
edit('src/shell/Educate.cpp', [
 ('#include "paint/PaintBox.h"\n', '#include "paint/ColourBook.h"\n#include "paint/PaintBox.h"\n#include "print/PictureFiles.h"\n#include "print/Printing.h"\n'),
 ('#include "shell/EducatePaintHost.h"\n', '#include "shell/EducatePaintHost.h"\n#include "shell/EducatePictureHost.h"\n'),
 ('    m_engine->paletteClick = ', '''    m_pictureHost = std::make_unique<EducatePictureHost>(*this);
    m_colourBook = std::make_unique<ColourBook>(*m_paintHost, *m_pictureHost, paint, *m_paint);
    m_pictureFiles = std::make_unique<PictureFiles>(*m_pictureHost);
    m_printing = std::make_unique<Printing>(*m_pictureHost);
    m_clock->colourBookRepaint = [this] { m_colourBook->replayDrawing(); };
    m_engine->paletteClick = '''),
 ('''    m_platform.systemKeys->blockTaskSwitching(true);
}''', '''    m_platform.systemKeys->blockTaskSwitching(true);
    // The printer starts on portrait A4, in colour when the colour item is checked.
    m_printing->page = PageSetup {};
    m_printing->MNU_Color_Click(m_menus->checked(QStringLiteral("MNU_Color"), 1) ? 1 : 0);
}'''),
 ('''    case GameColouringBook:
        m_keyPreview = false;
        break;''', '''    case GameColouringBook:
        m_keyPreview = false;
        m_colourBook->LoadColorBook();
        break;'''),
 ('''    if (shell.CurrentGame == GamePaintBox)
        m_paint->layOut();''', '''    if (shell.CurrentGame == GameColouringBook)
        m_colourBook->layOut();
    else if (shell.CurrentGame == GamePaintBox)
        m_paint->layOut();'''),
])
edit('src/shell/MenuRoutes.cpp', [
 ('#include "quiz/PictureLibrary.h"\n', '#include "paint/ColourBook.h"\n#include "print/PictureFiles.h"\n#include "print/Printing.h"\n#include "quiz/PictureLibrary.h"\n'),
 ('''    for (const char *group :
         {"MNU_Shape", "MNU_Cmap", "MNU_PaperSize", "MNU_PapLand", "MNU_Color"}) {''', '''    for (const char *group : {"MNU_Shape"}) {'''),
 ('''    // Paint tools: opening''', '''    // Colouring book, picture files and printing.
    setHandler(QStringLiteral("MNU_Cmap"), [&w](int i) { w.colourBook().MNU_Cmap_Click(i); });
    setHandler(QStringLiteral("MNU_LoadPic"), [&w](int) { w.pictureFiles().MNU_LoadPic_Click(); });
    setHandler(QStringLiteral("MNU_Save"), [&w](int) { w.pictureFiles().MNU_Save_Click(); });
    setHandler(QStringLiteral("MNU_Clear"), [&w](int) { w.pictureFiles().MNU_Clear_Click(); });
    setHandler(QStringLiteral("MNU_Print"), [&w](int) { w.printing().MNU_Print_Click(); });
    const QList<std::pair<const char *, void (Printing::*)(int)>> pageMenus = {
        {"MNU_PaperSize", &Printing::MNU_PaperSize_Click},
        {"MNU_PapLand", &Printing::MNU_PapLand_Click},
        {"MNU_Color", &Printing::MNU_Color_Click},
    };
    for (const auto &[name, method] : pageMenus) {
        const QString group = QLatin1String(name);
        setHandler(group, [this, &w, group, m = method](int i) {
            checkOnly(group, i);
            (w.printing().*m)(i);
        });
    }

    // Paint tools: opening'''),
])
