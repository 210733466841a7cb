// The square's area window: the side's text takes part in the product
// directly, so it is read strictly (in the user's locale) on each use and an
// empty or non-numeric side is a conversion failure rather than 0.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                                               left  top   width height tab font        frame     names
    {"Frame1",   Frame,     "Area of square",                                       0,    0,    7215, 3975, 0},
    {"Command2", Button,    "Reset",                                                960,  1800, 1455, 495,  3, nullptr,     "Frame1"},
    {"Command1", Button,    "Calculate",                                            3480, 1800, 1455, 495,  2, nullptr,     "Frame1"},
    {"txt2",     TextField, "",                                                     3720, 2880, 1695, 375,  4, nullptr,     "Frame1"},
    {"txt1",     TextField, "",                                                     3720, 1080, 1695, 375,  1, nullptr,     "Frame1"},
    {"Label2",   Label,     "The area of the square in sq cm is :",                 120,  2880, 3255, 255,  6, &ComicSans, "Frame1", "txt2"},
    {"Label1",   Label,     "Give the length of each side of the square in cm:",    240,  600,  4455, 255,  5, &ComicSans, "Frame1", "txt1"},
};

const FormDesign design{"frmsquare", "Area of a square", 7215, 4005, nullptr, controls};

class frmsquare : public Form {
public:
    explicit frmsquare(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command1", [this] { Command1_Click(); });
        onClick("Command2", [this] { Command2_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    // Calculate: the side's text times itself.
    void Command1_Click()
    {
        const FieldValue s = text("txt1");
        write("txt2", s * s);
    }

    // Reset.
    void Command2_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmsquare(const NumberLocale& locale) { return std::make_unique<frmsquare>(locale); }

} // namespace qv::windows
