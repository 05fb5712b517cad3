#include "textLook.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

struct TypeFace::FreeType {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

TypeFace::TypeFace(const std::string& fontFile)
    : freeType(std::make_unique<FreeType>()), face(nullptr) {
    if (FT_Init_FreeType(&freeType->library) != 0)
        throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(freeType->library, fontFile.c_str(), 0, &freeType->face) != 0) {
        FT_Done_FreeType(freeType->library);
        throw std::runtime_error("cannot load the font " + fontFile +
                                 " (install fonts-dejavu-core)");
    }
    face = cairo_ft_font_face_create_for_ft_face(freeType->face, 0);
}

TypeFace::~TypeFace() {
    cairo_font_face_destroy(face);
    FT_Done_Face(freeType->face);
    FT_Done_FreeType(freeType->library);
}

void TypeFace::use(cairo_t* cr, double sizePx) const {
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, sizePx);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double textWidth(const Canvas& canvas, const TypeFace& face, const std::string& text,
                 double sizePx) {
    cairo_save(canvas.cr());
    face.use(canvas.cr(), sizePx);
    cairo_text_extents_t extents;
    cairo_text_extents(canvas.cr(), text.c_str(), &extents);
    cairo_restore(canvas.cr());
    return extents.x_advance;
}

void letter(const Canvas& canvas, const TypeFace& face, const std::string& text, double x,
            double baselineY, align where, const Lettering& look) {
    cairo_t* cr = canvas.cr();
    const double width = textWidth(canvas, face, text, look.sizePx);
    const double left = where == align::left     ? x
                        : where == align::centre ? x - width / 2
                                                 : x - width;
    cairo_save(cr);
    face.use(cr, look.sizePx);
    if (look.shadowPx > 0) {
        cairo_move_to(cr, left + look.shadowPx, baselineY + look.shadowPx);
        cairo_text_path(cr, text.c_str());
        canvas.colour(look.edge);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, look.edgePx);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, left, baselineY);
    cairo_text_path(cr, text.c_str());
    canvas.colour(look.edge);
    cairo_set_line_width(cr, look.edgePx);
    cairo_stroke_preserve(cr);
    const double ascent = look.sizePx * 0.75;
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, baselineY - ascent, 0, baselineY);
    auto stop = [gradient](double at, rgba c) {
        cairo_pattern_add_color_stop_rgb(gradient, at, c.r / 255.0, c.g / 255.0, c.b / 255.0);
    };
    stop(0, look.top);
    stop(1, look.bottom);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}
