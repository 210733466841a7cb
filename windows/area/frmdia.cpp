// The diagonal window: the diagonal of a rectangle by Pythagoras, the root
// being a power with the exponent one half. Length and breadth are texts
// taking part in the products directly, read strictly on each use.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                           left  top   width height tab font
    {"Command2", Button,    "Calculate",                        3000, 2640, 1455, 495, 4, &ComicSans},
    {"Command1", Button,    "Reset",                            720,  2640, 1335, 495, 5, &ComicSans},
    {"txt3",     TextField, "",                                 3120, 1800, 1695, 420, 3, &ComicSans},
    {"txt2",     TextField, "",                                 2280, 1080, 1695, 400, 2, &ComicSans},
    {"txt1",     TextField, "",                                 2280, 360,  1695, 400, 0, &ComicSans},
    {"Label3",   Label,     "The length of the diagnol is:",    120,  1800, 2655, 375, 7, &ComicSans, nullptr, "txt3"},
    {"Label2",   Label,     "Give the breadth",                 240,  1080, 1695, 255, 6, &ComicSans, nullptr, "txt2"},
    {"Label1",   Label,     "Give the length:",                 360,  480,  1455, 255, 1, &ComicSans, nullptr, "txt1"},
};

const FormDesign design{"frmdia", "Length of the diagnol", 5640, 3960, nullptr, controls};

class frmdia : public Form {
public:
    explicit frmdia(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt3"}); }

    // Calculate.
    void Command2_Click()
    {
        const FieldValue l = text("txt1");
        const FieldValue b = text("txt2");
        // One step at a time: C++ leaves the order of a sum's operands open,
        // and the length's square must fail before the breadth's.
        const FieldValue lengthSquared = l * l;
        const FieldValue breadthSquared = b * b;
        const FieldValue sum = lengthSquared + breadthSquared;
        const FieldValue e = FieldValue(1.0) / FieldValue(2.0);
        write("txt3", power(sum, e));
    }

    // Reset: a button captioned Reset empties every field, as in the other windows.
    void Command1_Click() { clear({"txt1", "txt2", "txt3"}); }
};

} // namespace

std::unique_ptr<Form> make_frmdia(const NumberLocale& locale) { return std::make_unique<frmdia>(locale); }

} // namespace qv::windows
