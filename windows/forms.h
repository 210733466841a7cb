// The nineteen calculator windows, each made by its own unit.
#pragma once

#include "form.h"
#include "numberlocale.h"

#include <memory>

namespace qv::windows {

using frame::Form;

// Calculation
std::unique_ptr<Form> make_frmdiv(const NumberLocale&);
std::unique_ptr<Form> make_frmsqroot(const NumberLocale&);
std::unique_ptr<Form> make_frmcroot(const NumberLocale&);
// Area
std::unique_ptr<Form> make_frmsquare(const NumberLocale&);
std::unique_ptr<Form> make_frmrect(const NumberLocale&);
std::unique_ptr<Form> make_frmtri(const NumberLocale&);
std::unique_ptr<Form> make_frmcir(const NumberLocale&);
std::unique_ptr<Form> make_frmdia(const NumberLocale&);
std::unique_ptr<Form> make_frmcube(const NumberLocale&);
std::unique_ptr<Form> make_frmsph(const NumberLocale&);
std::unique_ptr<Form> make_frmcyl(const NumberLocale&);
std::unique_ptr<Form> make_frmhemi(const NumberLocale&);
std::unique_ptr<Form> make_frmcone(const NumberLocale&);
// Volume
std::unique_ptr<Form> make_frmvcube(const NumberLocale&);
std::unique_ptr<Form> make_frmvroom(const NumberLocale&);
std::unique_ptr<Form> make_frmvsph(const NumberLocale&);
std::unique_ptr<Form> make_frmvhemi(const NumberLocale&);
std::unique_ptr<Form> make_frmvcone(const NumberLocale&);
std::unique_ptr<Form> make_frmvcyl(const NumberLocale&);

} // namespace qv::windows
