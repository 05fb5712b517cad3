#include "characters.h"

#include "canvas.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

namespace characters {
namespace {

enum class view { front, back, side };
enum class eyes { open, happy, closed, crossed, wide };

struct Costume {
    rgba hat, hatBand, hair, shirt, vest, pants, boots, scarf;
    bool outlaw; // wide flat hat, bandana mask, scowl
    bool badge;  // a star on the chest
};

constexpr Costume kidCostume{
    {168, 100, 46, 255}, {110, 58, 30, 255}, {232, 120, 40, 255}, palette::red, {128, 78, 42, 255},
    palette::blue,       {104, 58, 32, 255}, palette::yellow,     false,        false};
// Light from hat to boots, so that it tells from the normal form in any colour vision.
constexpr Costume superCostume{palette::white,
                               palette::gold,
                               {250, 150, 50, 255},
                               {255, 232, 110, 255},
                               {255, 244, 200, 255},
                               {170, 210, 255, 255},
                               {150, 80, 40, 255},
                               palette::red,
                               false,
                               true};
// Pale and light where the outlaw is dark, so that the two tell apart in any colour vision.
constexpr Costume frightenedCostume{{206, 212, 226, 255},
                                    {120, 150, 210, 255},
                                    {150, 120, 96, 255},
                                    {196, 218, 248, 255},
                                    {142, 170, 218, 255},
                                    {176, 192, 222, 255},
                                    {96, 104, 132, 255},
                                    palette::white,
                                    true,
                                    false};
constexpr Costume outlawCostume{{46, 42, 52, 255},
                                {160, 50, 60, 255},
                                {70, 48, 36, 255},
                                {92, 82, 118, 255},
                                {40, 38, 46, 255},
                                {104, 80, 62, 255},
                                {36, 30, 30, 255},
                                {214, 46, 56, 255},
                                true,
                                false};

struct Pose {
    double legSwing = 0; // -1 to 1
    double legLift = 0;  // -1 to 1: which foot is off the ground, swinging forward
    double armSwing = 0; // -1 to 1
    double bob = 0;      // the body sinks by this many pixels
    eyes look = eyes::open;
    double squash = 0; // 0 to 1, the body pressed flat by a blow
    bool hatOn = true;
    double hatLift = 0;  // pixels above its seat
    double mugLift = -1; // below 0 no mug; 0 at the chest to 1 at the mouth
    double mugTilt = 0;  // radians
    double headTilt = 0; // radians, the head thrown back to drink (side view)
    bool handsUp = false;
};

double smooth(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void drawStarAt(const Canvas& c, double x, double y, double r) {
    cairo_t* cr = c.cr();
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? r : r * 0.45;
        const double a = -M_PI / 2 + i * M_PI / 5;
        cairo_line_to(cr, x + radius * std::cos(a), y + radius * std::sin(a));
    }
    cairo_close_path(cr);
    c.fillEdge(palette::gold, palette::ink, 0.8);
}

// Draws one figure standing on (0, 0), about 36 pixels tall, facing `side` or the viewer.
class Figure {
public:
    Figure(const Canvas& canvas, const Costume& costume) : c(canvas), dress(costume) {}

    void draw(view v, const Pose& p) {
        pose = p;
        top = pose.bob + pose.squash * 5;
        if (v == view::side)
            drawSide();
        else
            drawFrontOrBack(v == view::front);
    }

    void drawHat(double x, double y, double angle, view v) const {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        if (dress.outlaw) {
            c.roundedBox(-5.5, -8.5, 11, 8.5, 1.5);
            c.fillEdge(dress.hat, palette::ink, 1.0);
            cairo_rectangle(cr, -5.5, -3, 11, 2);
            c.fill(dress.hatBand);
            c.ellipse(0, 0, v == view::side ? 11 : 11.5, 2.2);
            c.fillEdge(dress.hat, palette::ink, 1.0);
        } else {
            cairo_move_to(cr, -5.5, 0);
            cairo_curve_to(cr, -6, -6, -4, -8, -2, -8);
            cairo_line_to(cr, 0, -6.8);
            cairo_line_to(cr, 2, -8);
            cairo_curve_to(cr, 4, -8, 6, -6, 5.5, 0);
            cairo_close_path(cr);
            c.fillEdge(dress.hat, palette::ink, 1.0);
            cairo_rectangle(cr, -5.6, -3, 11.2, 2);
            c.fill(dress.hatBand);
            cairo_move_to(cr, -10.5, -3);
            cairo_curve_to(cr, -8, 0, -4, 1.8, 0, 1.8);
            cairo_curve_to(cr, 4, 1.8, 8, 0, 10.5, -3);
            cairo_curve_to(cr, 8, -1, 4, -0.5, 0, -0.5);
            cairo_curve_to(cr, -4, -0.5, -8, -1, -10.5, -3);
            cairo_close_path(cr);
            c.fillEdge(dress.hat, palette::ink, 1.0);
        }
        cairo_restore(cr);
    }

private:
    const Canvas& c;
    const Costume& dress;
    Pose pose;
    double top = 0; // how far the upper body sinks

    void limb(double x0, double y0, double x1, double y1, double thick, rgba colour) const {
        c.capsule(x0, y0, x1, y1, thick + 2, palette::ink);
        c.capsule(x0, y0, x1, y1, thick, colour);
    }

    void drawEyes(double x, double y, double gap) const {
        cairo_t* cr = c.cr();
        for (double ex : {x - gap / 2, x + gap / 2}) {
            if (gap == 0)
                ex = x;
            switch (pose.look) {
            case eyes::open:
                if (dress.outlaw) { // shifty eyes that read in the shade of the hat
                    c.ellipse(ex, y, 1.8, 1.4);
                    c.fill(palette::white);
                    c.circle(ex + 0.6, y, 0.9);
                    c.fill(palette::ink);
                    break;
                }
                c.ellipse(ex, y, 1.1, 1.6);
                c.fill(palette::ink);
                break;
            case eyes::wide:
                c.circle(ex, y, 1.9);
                c.fillEdge(palette::white, palette::ink, 0.9);
                c.circle(ex, y, 0.7);
                c.fill(palette::ink);
                break;
            case eyes::happy:
                cairo_arc(cr, ex, y + 0.8, 1.5, M_PI, 2 * M_PI);
                c.stroke(palette::ink, 1.1);
                break;
            case eyes::closed:
                c.capsule(ex - 1.5, y + 0.3, ex + 1.5, y + 0.3, 1.1, palette::ink);
                break;
            case eyes::crossed:
                c.capsule(ex - 1.4, y - 1.4, ex + 1.4, y + 1.4, 1.0, palette::ink);
                c.capsule(ex - 1.4, y + 1.4, ex + 1.4, y - 1.4, 1.0, palette::ink);
                break;
            }
            if (gap == 0)
                break;
        }
        if (dress.outlaw && (pose.look == eyes::open || pose.look == eyes::closed)) {
            c.capsule(x - gap / 2 - 2, y - 2.6, x - gap / 2 + 1.5, y - 1.8, 1.0, palette::ink);
            if (gap > 0)
                c.capsule(x + gap / 2 + 2, y - 2.6, x + gap / 2 - 1.5, y - 1.8, 1.0, palette::ink);
        }
    }

    void drawMug(double x, double y, double tilt) const {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, tilt);
        cairo_move_to(cr, 3, -2);
        cairo_curve_to(cr, 6, -2, 6, 3, 3, 3);
        c.stroke(palette::ink, 2.6);
        c.roundedBox(-3, -3.5, 6, 7.5, 1);
        c.fillEdge(palette::tin, palette::ink, 1.0);
        c.capsule(-1.5, -2, -1.5, 3, 1.0, palette::tinLight);
        for (double bx : {-2.0, 0.2, 2.2}) {
            c.circle(bx, -4, 1.8);
            c.fill(palette::foam);
        }
        cairo_restore(cr);
    }

    void drawFace(double cx, double cy) const {
        if (dress.outlaw) {
            drawEyes(cx, cy - 0.5, 5.2);
            cairo_t* cr = c.cr();
            cairo_move_to(cr, cx - 7, cy + 1.2);
            cairo_line_to(cr, cx + 7, cy + 1.2);
            cairo_line_to(cr, cx + 5.5, cy + 5);
            cairo_line_to(cr, cx, cy + 8);
            cairo_line_to(cr, cx - 5.5, cy + 5);
            cairo_close_path(cr);
            c.fillEdge(dress.scarf, palette::ink, 1.0);
            for (auto [dx, dy] : {std::pair{-3.0, 3.0}, {2.5, 2.6}, {0.0, 5.5}}) {
                c.circle(cx + dx, cy + dy, 0.7);
                c.fill(palette::white);
            }
            return;
        }
        drawEyes(cx, cy - 0.5, 5.2);
        c.circle(cx - 4.3, cy + 2, 1.2);
        c.fill(rgba{250, 150, 130, 255});
        c.circle(cx + 4.3, cy + 2, 1.2);
        c.fill(rgba{250, 150, 130, 255});
        cairo_t* cr = c.cr();
        if (pose.look == eyes::crossed || pose.look == eyes::wide) {
            c.ellipse(cx, cy + 3.6, 1.4, 1.2);
            c.fill(palette::ink);
        } else {
            cairo_arc(cr, cx, cy + 2.2, 2.2, 0.3, M_PI - 0.3);
            c.stroke(palette::ink, 1.0);
        }
    }

    void drawHead(double cx, double cy, bool front) const {
        c.circle(cx, cy, 7.3);
        c.fillEdge(palette::skin, palette::ink, 1.0);
        if (front) {
            cairo_t* cr = c.cr();
            cairo_move_to(cr, cx - 7, cy - 2);
            cairo_curve_to(cr, cx - 5, cy - 6, cx + 5, cy - 6, cx + 7, cy - 2);
            cairo_line_to(cr, cx + 6, cy - 6.5);
            cairo_line_to(cr, cx - 6, cy - 6.5);
            cairo_close_path(cr);
            c.fill(dress.hair);
            drawFace(cx, cy);
        } else {
            cairo_t* cr = c.cr();
            c.circle(cx - 7.2, cy + 0.5, 1.5);
            c.circle(cx + 7.2, cy + 0.5, 1.5);
            c.fillEdge(palette::skin, palette::ink, 0.9);
            cairo_arc(cr, cx, cy, 7.3, M_PI, 2 * M_PI);
            cairo_line_to(cr, cx + 6.5, cy + 2);
            cairo_curve_to(cr, cx + 3, cy + 4.5, cx - 3, cy + 4.5, cx - 6.5, cy + 2);
            cairo_close_path(cr);
            c.fillEdge(dress.hair, palette::ink, 1.0);
            if (dress.outlaw) {
                c.ellipse(cx - 1.8, cy + 4.5, 1.6, 1.2);
                c.ellipse(cx + 1.8, cy + 4.5, 1.6, 1.2);
                c.fillEdge(dress.scarf, palette::ink, 0.8);
            }
        }
    }

    void drawTorso(double x, double width, bool front, bool side = false) const {
        const double y = -20 + top;
        const double height = 11 - pose.squash * 2;
        c.roundedBox(x - width / 2, y, width, height + 1, 3);
        c.fillEdge(dress.shirt, palette::ink, 1.0);
        cairo_t* cr = c.cr();
        if (front) {
            cairo_rectangle(cr, x - width / 2 + 0.5, y + 1, 3, height - 1);
            cairo_rectangle(cr, x + width / 2 - 3.5, y + 1, 3, height - 1);
            c.fill(dress.vest);
        } else if (side) {
            cairo_rectangle(cr, x - width / 2 + 0.5, y + 1, width * 0.55, height - 3);
            c.fill(dress.vest);
        } else {
            cairo_rectangle(cr, x - width / 2 + 0.5, y + 1, width - 1, height - 3);
            c.fill(dress.vest);
        }
        cairo_rectangle(cr, x - width / 2 + 0.5, y + height - 2.2, width - 1, 2);
        c.fill(palette::woodDeep);
        if (front) {
            cairo_rectangle(cr, x - 1.3, y + height - 2.6, 2.6, 2.6);
            c.fill(palette::gold);
            if (dress.badge) {
                drawStarAt(c, x - 2.5, y + 4, 2.6);
            }
            if (!dress.outlaw) {
                cairo_move_to(cr, x - 4, y - 0.5);
                cairo_line_to(cr, x + 4, y - 0.5);
                cairo_line_to(cr, x, y + 4.5);
                cairo_close_path(cr);
                c.fillEdge(dress.scarf, palette::ink, 0.9);
            }
        }
    }

    void drawFrontOrBack(bool front) {
        const double s = pose.legSwing;
        const double hipY = -11 + pose.squash * 4 + pose.bob * 0.5;
        const double liftL = 2.6 * std::max(0.0, pose.legLift);
        const double liftR = 2.6 * std::max(0.0, -pose.legLift);
        for (auto [x, lift] : {std::pair{-2.8, liftL}, {2.8, liftR}}) {
            const double sway = 0.5 * s; // the weight shifts onto the planted foot
            limb(x, hipY, x * 1.1 + sway, -2.5 - lift, 4.2, dress.pants);
            c.ellipse(x * 1.15 + sway, -1.8 - lift, 2.8, 2);
            c.fillEdge(dress.boots, palette::ink, 1.0);
        }
        const bool mug = pose.mugLift >= 0;
        const double armY = -18 + top;
        const double swing = 2.2 * pose.armSwing;
        const double drinkSide = front ? -1 : 1; // the mug is in the kid's right hand
        if (!front)
            drawArms(armY, swing, mug, drinkSide);
        drawTorso(0, 12.5, front);
        drawHead(0, -26.5 + top, front);
        if (pose.hatOn)
            drawHat(0, -31 + top - pose.hatLift, 0, front ? view::front : view::back);
        if (front)
            drawArms(armY, swing, mug, drinkSide);
        if (mug)
            drawMugArm(armY, drinkSide, front);
    }

    void drawArms(double armY, double swing, bool mug, double drinkSide) const {
        for (double side : {-1.0, 1.0}) {
            const double sx = side * 6;
            if (mug && side == drinkSide)
                continue;
            const double hx = side * (pose.handsUp ? 10.5 : 8.3);
            const double hy =
                pose.handsUp ? armY - 15 + side * swing * 0.8 : armY + 7.5 + side * swing * 0.8;
            limb(sx, armY, hx, hy, 3.4, dress.shirt);
            c.circle(hx, hy + 0.8, 1.9);
            c.fillEdge(palette::skin, palette::ink, 0.9);
        }
    }

    // The arm that holds the mug; from behind only the elbow and the mug's foot show.
    void drawMugArm(double armY, double side, bool front) const {
        const double t = pose.mugLift;
        const double sx = side * 6;
        if (front) {
            const double hx = side * (3 - 1.5 * t), hy = armY + 5 - 9 * t;
            limb(sx, armY, hx, hy, 3.4, dress.shirt);
            drawMug(hx - side * 1.5, hy - 1, side * pose.mugTilt * 0.5);
            return;
        }
        const double ex = side * (8 + 2 * t), ey = armY + 5 - 5 * t;
        const double hx = side * (7 - 1 * t), hy = armY + 4 - 11 * t;
        drawMug(hx + side * 1, hy - 2, -side * pose.mugTilt * 0.7);
        limb(sx, armY, ex, ey, 3.4, dress.shirt);
        limb(ex, ey, hx, hy, 3.2, dress.shirt);
    }

    void drawSide() {
        const double s = pose.legSwing;
        const double hipY = -11 + pose.squash * 4 + pose.bob * 0.5;
        const double reach = 5.5;
        auto leg = [&](double swing, double lift, rgba pants, rgba boots) {
            const double fx = swing * reach, fy = -2.3 + std::fabs(swing) * 0.6 - 2 * lift;
            limb(0, hipY, fx, fy, 4.2, pants);
            c.ellipse(fx + 1.2, fy + 0.5, 3.1, 1.9);
            c.fillEdge(boots, palette::ink, 1.0);
        };
        const double armY = -18 + top;
        const bool mug = pose.mugLift >= 0;
        leg(-s, std::max(0.0, -pose.legLift), shade(dress.pants, 0.25), shade(dress.boots, 0.2));
        if (pose.handsUp) { // both arms up behind the head, the hands above the hat
            for (auto [hx, hue] : {std::pair{-5.0, 0.25}, {6.0 + 0.8 * pose.armSwing, 0.0}}) {
                limb(0, armY, hx, armY - 19, 3.2, shade(dress.shirt, hue));
                c.circle(hx, armY - 19.5, 1.9);
                c.fillEdge(palette::skin, palette::ink, 0.9);
            }
        } else if (!mug) {
            const double a = -pose.armSwing * 0.8;
            limb(0, armY, 6.5 * std::sin(a) - 0.5, armY + 7 * std::cos(a), 3.2,
                 shade(dress.shirt, 0.25));
        }
        leg(s, std::max(0.0, pose.legLift), dress.pants, dress.boots);
        drawTorso(0, 9.5, false, true);
        cairo_t* cr = c.cr();
        const double neckY = -19 + top;
        cairo_save(cr);
        cairo_translate(cr, 0, neckY);
        cairo_rotate(cr, -pose.headTilt);
        cairo_translate(cr, 0, -neckY);
        drawSideHead(0.5, -26.5 + top);
        if (pose.hatOn)
            drawHat(0.3, -31 + top - pose.hatLift, 0, view::side);
        cairo_restore(cr);
        if (mug) {
            const double t = pose.mugLift;
            const double hx = 4 + 3.5 * t, hy = armY + 5 - 7.5 * t;
            limb(0, armY, hx, hy, 3.4, dress.shirt);
            drawMug(hx + 1.5, hy - 1.5, -pose.mugTilt);
        } else if (!pose.handsUp) {
            const double a = pose.armSwing * 0.8;
            const double hx = 6.5 * std::sin(a) + 0.5, hy = armY + 7 * std::cos(a);
            limb(0, armY, hx, hy, 3.4, dress.shirt);
            c.circle(hx, hy + 0.5, 1.9);
            c.fillEdge(palette::skin, palette::ink, 0.9);
        }
    }

    void drawSideHead(double cx, double cy) const {
        cairo_t* cr = c.cr();
        c.circle(cx, cy, 7.2);
        c.fillEdge(palette::skin, palette::ink, 1.0);
        c.circle(cx + 7.2, cy + 1, 1.5);
        c.fillEdge(palette::skin, palette::ink, 0.9);
        cairo_arc(cr, cx, cy, 7.2, M_PI * 0.62, M_PI * 1.5);
        cairo_curve_to(cr, cx - 1, cy - 5, cx - 3, cy - 1, cx - 2.5, cy + 3.5);
        cairo_close_path(cr);
        c.fillEdge(dress.hair, palette::ink, 0.9);
        drawEyes(cx + 3.4, cy - 0.8, 0);
        if (dress.outlaw) {
            cairo_move_to(cr, cx + 0.5, cy + 1.2);
            cairo_line_to(cr, cx + 8.5, cy + 1.2);
            cairo_line_to(cr, cx + 6, cy + 6.5);
            cairo_line_to(cr, cx + 0.5, cy + 6.8);
            cairo_close_path(cr);
            c.fillEdge(dress.scarf, palette::ink, 1.0);
        } else if (pose.mugLift < 0.8) {
            cairo_arc(cr, cx + 4.3, cy + 3, 1.6, 0.2, M_PI - 0.6);
            c.stroke(palette::ink, 1.0);
            c.circle(cx + 2.2, cy + 2.3, 1.1);
            c.fill(rgba{250, 150, 130, 255});
        }
    }
};

// Where a frame puts the figure: standing on its feet, or fallen by `fall` (0 to 1) with
// its head towards `headSide` (-1 left, +1 right).
struct Placement {
    double fall = 0;
    double headSide = -1;
    double lean = 0;
};

constexpr double feetX = framePx / 2.0;
constexpr double feetY = 38;
constexpr double figureScale = 0.9; // the figure is drawn 40 units tall

void place(cairo_t* cr, const Placement& at) {
    const double t = at.fall;
    const double lyingX = at.headSide < 0 ? 37 : 3, lyingY = 28;
    cairo_translate(cr, feetX + (lyingX - feetX) * t, feetY + (lyingY - feetY) * t);
    cairo_rotate(cr, at.headSide * (M_PI / 2) * t + at.lean);
    cairo_scale(cr, figureScale, figureScale);
}

struct Row {
    view v;
    bool mirrored;
    double headSide; // where the head goes when the figure falls
};

// Sheet rows in the game's order: up, down, left, right.
constexpr Row sheetRows[4] = {{view::back, false, -1},
                              {view::front, false, +1},
                              {view::side, true, -1},
                              {view::side, false, -1}};

const Costume& costumeOf(who figure) {
    switch (figure) {
    case who::kid:
        return kidCostume;
    case who::superKid:
        return superCostume;
    case who::frightenedOutlaw:
        return frightenedCostume;
    default:
        return outlawCostume;
    }
}

// Little four-pointed glints that dance around the super kid from frame to frame.
void addSparkles(Picture& picture, int frame) {
    constexpr int sparkles = 2;
    const int spots[][2] = {{5, 8}, {34, 14}, {4, 27}, {35, 31}, {8, 17}, {31, 5}, {33, 22}};
    constexpr int spotCount = sizeof spots / sizeof spots[0];
    for (int i = 0; i < sparkles; ++i) {
        const int* spot = spots[(frame * 3 + i * 4) % spotCount];
        const int arm = (frame + i) % 2 + 1;
        for (int d = -arm; d <= arm; ++d) {
            for (auto [x, y] : {std::pair{spot[0] + d, spot[1]}, {spot[0], spot[1] + d}}) {
                if (x >= 0 && y >= 0 && x < framePx && y < framePx && !picture.opaqueAt(x, y))
                    picture.at(x, y) = d == 0 ? rgba{255, 255, 255, 255} : rgba{255, 210, 40, 255};
            }
        }
    }
}

// Around the ink outline a ring of light sets every character apart from the goods, which are
// edged in brown; the super kid's rings are gold and white.
constexpr rgba halo{255, 250, 232, 255};

Picture finish(const Canvas& canvas, who figure, int frame) {
    Picture picture = canvas.picture();
    picture.snapAlpha();
    picture.fillPinholes(palette::ink);
    picture.outline(palette::ink);
    if (figure != who::superKid)
        picture.outline(halo);
    if (figure == who::superKid) {
        // Steady rings: rings that swapped their colours from frame to frame would flash.
        const rgba gold{255, 196, 0, 255}, white{255, 255, 255, 255};
        picture.outline(gold);
        picture.outline(white);
        addSparkles(picture, frame);
    }
    picture.fillPinholes(palette::ink);
    return picture;
}

// The frame of one row: `draw` paints the figure in its own coordinates.
template <typename Draw>
Picture frameOf(who figure, const Row& row, int frame, const Placement& at, Draw draw) {
    Canvas canvas(framePx, framePx);
    cairo_t* cr = canvas.cr();
    if (row.mirrored) {
        cairo_translate(cr, framePx, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_save(cr);
    place(cr, at);
    Figure body(canvas, costumeOf(figure));
    draw(canvas, body);
    cairo_restore(cr);
    return finish(canvas, figure, frame);
}

Pose walkPose(int frame) {
    const double phase = 2 * M_PI * (frame - standingFrame) / walkFrames;
    Pose p;
    p.legSwing = std::sin(phase);
    p.legLift = std::cos(phase);
    p.armSwing = std::sin(phase);
    p.bob = std::fabs(std::sin(phase)) * 1.0;
    return p;
}

Pose drinkPose(int frame, double& dropPhase) {
    Pose p;
    p.mugLift = 0;
    p.look = eyes::happy;
    dropPhase = -1;
    if (frame == 1)
        p.bob = -1;
    if (frame >= 3)
        p.mugLift = smooth((frame - 2) / 7.0);
    if (frame >= 10) {
        const double t = smooth((frame - 9) / 5.0);
        p.mugTilt = 1.0 * t;
        p.headTilt = 0.35 * t;
        p.look = eyes::closed;
    }
    if (frame >= drinkLoopStart) {
        const double u = 2 * M_PI * (frame - drinkLoopStart) / 7.0;
        p.mugTilt = 1.0 + 0.18 * std::sin(u);
        p.headTilt = 0.35 + 0.06 * std::sin(u);
        p.bob = 0.6 * (1 - std::cos(u));
        dropPhase = (frame - drinkLoopStart) / 7.0;
    }
    return p;
}

void drawDrop(const Canvas& c, double phase, double side) {
    if (phase < 0)
        return;
    const double x = side * (6 + 8 * phase), y = -31 - 6 * std::sin(M_PI * phase) + 4 * phase;
    c.circle(x, y, 1.4);
    c.fillEdge(palette::foam, palette::ink, 0.8);
}

Picture drinkFrame(who figure, const Row& row, int frame) {
    double dropPhase;
    const Pose pose = drinkPose(frame, dropPhase);
    return frameOf(figure, row, frame, {}, [&](const Canvas& c, Figure& body) {
        body.draw(row.v, pose);
        drawDrop(c, dropPhase, row.v == view::side ? 1 : -1);
    });
}

void drawBurst(const Canvas& c, double x, double y, double r) {
    cairo_t* cr = c.cr();
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 == 0 ? r : r * 0.5;
        const double a = i * M_PI / 8;
        cairo_line_to(cr, x + radius * std::cos(a), y + radius * std::sin(a));
    }
    cairo_close_path(cr);
    c.fillEdge(palette::white, palette::ink, 0.9);
}

void drawBird(const Canvas& c, double x, double y, double flap) {
    cairo_t* cr = c.cr();
    c.ellipse(x, y, 2.6, 2.1);
    c.fillEdge(palette::yellow, palette::ink, 0.8);
    cairo_move_to(cr, x + 2.2, y - 0.6);
    cairo_line_to(cr, x + 4, y);
    cairo_line_to(cr, x + 2.2, y + 0.6);
    c.fill(rgba{240, 120, 30, 255});
    cairo_move_to(cr, x - 1, y);
    cairo_line_to(cr, x - 3, y - 2.5 * flap);
    cairo_line_to(cr, x + 0.5, y - 0.5);
    c.fill(palette::ink);
}

// Birds and stars circling over a dizzy head, at `phase` of a full turn.
void drawDizzy(const Canvas& c, double cx, double cy, double phase) {
    struct Orbiter {
        double offset;
        bool bird;
    };
    const Orbiter orbiters[3] = {{0, true}, {1.0 / 3, false}, {2.0 / 3, true}};
    for (const Orbiter& o : orbiters) {
        const double a = 2 * M_PI * (phase + o.offset);
        const double x = cx + 8 * std::cos(a), y = cy + 3.2 * std::sin(a);
        if (o.bird)
            drawBird(c, x, y, std::sin(4 * a) > 0 ? 1 : -0.6);
        else
            drawStarAt(c, x, y, 2.6);
    }
}

// What a frame of the knock-out shows: the blow (0 to 2), the totter (3 to 8), the fall
// (9 to 12) and the dizzy loop on the ground (13 to 21).
struct KnockOutStep {
    Pose pose;
    Placement at;
    bool burst = false;     // the star of the blow beside the head
    bool hatFlying = false; // the hat tumbling off
    bool hatLanded = false; // the hat lying behind the figure
    double dizzyPhase = -1; // birds and stars circling, as a part of a full turn
};

KnockOutStep knockOutStep(const Row& row, int frame) {
    KnockOutStep step;
    step.at.headSide = row.headSide;
    step.pose.look = eyes::crossed;
    if (frame <= 2) {
        step.pose.look = eyes::wide;
        step.pose.squash = (2 - frame) * 0.3;
        step.pose.hatLift = 1 + frame * 1.5;
        step.burst = frame < 2;
        step.hatFlying = frame == 2;
    } else if (frame <= 8) {
        const double growing = (frame - 2) / 6.0;
        step.at.lean = -row.headSide * 0.3 * std::sin(M_PI * (frame - 3) / 2.5) * growing;
    } else if (frame < knockOutLoopStart) {
        step.at.fall = std::min(1.0, smooth((frame - 8) / 4.0) * 1.06);
    } else {
        step.at.fall = 1;
        step.dizzyPhase = (frame - knockOutLoopStart) / 9.0;
    }
    step.pose.hatOn = frame <= 1;
    step.hatLanded = frame >= 3;
    return step;
}

Picture knockOutFrame(who figure, const Row& row, int frame) {
    const KnockOutStep step = knockOutStep(row, frame);
    Canvas canvas(framePx, framePx);
    cairo_t* cr = canvas.cr();
    if (row.mirrored) {
        cairo_translate(cr, framePx, 0);
        cairo_scale(cr, -1, 1);
    }
    Figure body(canvas, costumeOf(figure));
    if (step.hatLanded) {
        cairo_save(cr);
        cairo_translate(cr, feetX - row.headSide * 11, feetY - 1);
        cairo_scale(cr, figureScale, figureScale);
        body.drawHat(0, 0, -row.headSide * 0.3, view::front);
        cairo_restore(cr);
    }
    cairo_save(cr);
    place(cr, step.at);
    body.draw(row.v, step.pose);
    if (step.burst)
        drawBurst(canvas, 7, -33, 7 - frame * 2);
    if (step.hatFlying)
        body.drawHat(10, -27, 0.7, view::front);
    cairo_restore(cr);
    if (step.dizzyPhase >= 0)
        drawDizzy(canvas, row.headSide < 0 ? 10.5 : 29.5, 16, step.dizzyPhase);
    return finish(canvas, figure, frame);
}

template <typename FrameMaker> Picture sheetOf(FrameMaker makeFrame) {
    Picture sheet(sheetFrames * framePx, 4 * framePx);
    for (int r = 0; r < 4; ++r)
        for (int frame = 0; frame < sheetFrames; ++frame)
            sheet.overlay(makeFrame(sheetRows[r], frame), frame * framePx, r * framePx);
    return sheet;
}

} // namespace

void drawPortrait(const Canvas& canvas, who figure, portrait kind, double x, double y, double scale,
                  bool facingLeft) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale * figureScale * (facingLeft ? -1 : 1), scale * figureScale);
    Figure body(canvas, costumeOf(figure));
    double dropPhase;
    switch (kind) {
    case portrait::standing:
        body.draw(view::front, walkPose(standingFrame));
        break;
    case portrait::walking:
        body.draw(view::side, walkPose(0));
        break;
    case portrait::drinking:
        body.draw(view::side, drinkPose(drinkLoopStart + 2, dropPhase));
        drawDrop(canvas, dropPhase, 1);
        break;
    case portrait::knockedOut: {
        Pose pose;
        pose.look = eyes::crossed;
        pose.hatOn = false;
        body.drawHat(14, -1, 0.3, view::front);
        cairo_save(cr);
        cairo_rotate(cr, -M_PI / 2);
        body.draw(view::front, pose);
        cairo_restore(cr);
        drawDizzy(canvas, -26.5, -14, 0.1);
        break;
    }
    }
    cairo_restore(cr);
}

Picture walkSheet(who figure) {
    return sheetOf([figure](const Row& row, int frame) {
        Pose pose = walkPose(frame % walkFrames);
        if (figure == who::frightenedOutlaw) {
            pose.handsUp = true;
            pose.look = eyes::wide;
            pose.hatLift = 2 + (frame % 2);
        }
        return frameOf(figure, row, frame, {},
                       [&](const Canvas&, Figure& body) { body.draw(row.v, pose); });
    });
}

Picture drinkingSheet(who figure) {
    return sheetOf([figure](const Row& row, int frame) { return drinkFrame(figure, row, frame); });
}

Picture knockOutSheet(who figure) {
    return sheetOf(
        [figure](const Row& row, int frame) { return knockOutFrame(figure, row, frame); });
}

} // namespace characters
