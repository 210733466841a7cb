// The hemisphere's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvhemi", "Volume of a hemi-sphere", 6900, 4935, &ComicSans, {}};

class frmvhemi : public Form {
public:
    explicit frmvhemi(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvhemi(const NumberLocale& locale) { return std::make_unique<frmvhemi>(locale); }

} // namespace qv::windows
