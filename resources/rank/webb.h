// rank's "Publicera webbsida": the lists on the web site in webb/, with or without the members'
// e-mail addresses.
#pragma once
#include "ui/resource.h"

namespace rankres {

inline constexpr int IDC_VISA_EPOST = 9201; // "Visa e-postadresser", off when the dialog opens

const ui::DialogResource& publiceraWebb(); // "Publicera webbsida"

} // namespace rankres
