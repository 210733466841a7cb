// The cube's surface-area window: six faces of side a, read leniently.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                           left  top   width height tab font
    // The result field alone has no font of its own: it shows the toolkit's default.
    {"txt2",     TextField, "",                                 3240, 2400, 1695, 375, 0},
    {"Command2", Button,    "Calculate",                        3480, 1560, 1455, 495, 3, &ComicSans},
    {"Command1", Button,    "Reset",                            1320, 1560, 1455, 495, 4, &ComicSans},
    {"txt1",     TextField, "",                                 2880, 720,  1695, 375, 2, &ComicSans},
    {"Label2",   Label,     "The area of the cube is : ",       480,  2400, 2415, 495, 5, &ComicSans, nullptr, "txt2"},
    {"Label1",   Label,     "Give the length of the side:",     240,  720,  2655, 495, 1, &ComicSans, nullptr, "txt1"},
};

const FormDesign design{"frmcube", "Area of cube", 5955, 3375, nullptr, controls};

class frmcube : public Form {
public:
    explicit frmcube(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    // Calculate.
    void Command2_Click()
    {
        const FieldValue a = lenient("txt1");
        write("txt2", (FieldValue(6) * a) * a);
    }

    // Reset.
    void Command1_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmcube(const NumberLocale& locale) { return std::make_unique<frmcube>(locale); }

} // namespace qv::windows
