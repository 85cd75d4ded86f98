// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Accessible descriptions of drawings whose content changes all the time (the live channel
// bars, the curve graphs). The text is made when an assistive technology asks for it, so the
// drawings cost nothing extra while nobody listens, and a screen reader always reads the
// values shown at that moment.

#include <QString>

#include <functional>

class QWidget;

namespace pelorin {

using AccessibleDescriber = std::function<QString()>;

// From now on `widget` (role: chart) describes itself with what `describer` returns. The
// describer runs only while `widget` lives.
void setAccessibleDescriber(QWidget* widget, AccessibleDescriber describer);

// What a control means, for the eye (its tooltip) and the ear (its accessible description).
void explain(QWidget* control, const QString& meaning);

}  // namespace pelorin
