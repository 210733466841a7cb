// The cylinder's area window: total and lateral surface area from the length
// and the radius (read leniently), with 22/7 for pi folded into 44 and 7.
// The total is written before the lateral area is computed.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                            left  top   width height tab font
    // The lateral-area field alone has no font of its own: it shows the toolkit's default.
    {"txt4",     TextField, "",                                  3840, 4080, 1695, 375, 0},
    {"txt1",     TextField, "",                                  3840, 720,  1695, 375, 3, &ComicSans},
    {"txt2",     TextField, "",                                  3840, 1560, 1695, 375, 4, &ComicSans},
    {"txt3",     TextField, "",                                  3840, 3480, 1695, 375, 1, &ComicSans},
    {"Command2", Button,    "Calculate",                         3480, 2520, 1455, 495, 5, &ComicSans},
    {"Command1", Button,    "Reset",                             1080, 2520, 1455, 495, 6, &ComicSans},
    {"Label4",   Label,     "The lateral surface area is",       720,  4080, 2895, 255, 9, &ComicSans, nullptr, "txt4"},
    {"Label3",   Label,     "The area of the cylinder is ",      1080, 3480, 2535, 375, 8, &ComicSans, nullptr, "txt3"},
    {"Label2",   Label,     "Give the radius",                   1800, 1560, 1575, 375, 7, &ComicSans, nullptr, "txt2"},
    {"Label1",   Label,     "Give the length",                   1800, 720,  1575, 375, 2, &ComicSans, nullptr, "txt1"},
};

const FormDesign design{"frmcyl", "Area of cylinder", 6660, 4845, nullptr, controls};

class frmcyl : public Form {
public:
    explicit frmcyl(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt3", "txt4"}); }

    // Calculate.
    void Command2_Click()
    {
        const FieldValue L = lenient("txt1");
        const FieldValue R = lenient("txt2");
        const FieldValue fortyFourR = FieldValue(44) * R;
        const FieldValue lPlusR = L + R;
        const FieldValue total = (fortyFourR * lPlusR) / FieldValue(7);
        write("txt3", total);
        const FieldValue lateral = ((FieldValue(44) * L) * R) / FieldValue(7);
        write("txt4", lateral);
    }

    // Reset.
    void Command1_Click() { clear({"txt1", "txt2", "txt3", "txt4"}); }
};

} // namespace

std::unique_ptr<Form> make_frmcyl(const NumberLocale& locale) { return std::make_unique<frmcyl>(locale); }

} // namespace qv::windows
