#pragma once

#include "reference/TopicPage.h"

// The twelve topic pages of the index, each a layout of TopicPage with its own design row.

// Performance air filters.
class hava final : public TopicPage {
public:
    hava() : TopicPage(0) {}
};

// Lowering the car.
class hava1 final : public TopicPage {
public:
    hava1() : TopicPage(1) {}
};

// Shock absorbers.
class hava2 final : public TopicPage {
public:
    hava2() : TopicPage(2) {}
};

// The performance camshaft.
class hava3 final : public TopicPage {
public:
    hava3() : TopicPage(3) {}
};

// Strut braces.
class hava4 final : public TopicPage {
public:
    hava4() : TopicPage(4) {}
};

// Tyres.
class hava5 final : public TopicPage {
public:
    hava5() : TopicPage(5) {}
};

// The directory of shops selling tuning parts.
class hava6 final : public TopicPage {
public:
    hava6() : TopicPage(6) {}
};

// Car audio head units.
class hava7 final : public TopicPage {
public:
    hava7() : TopicPage(7) {}
};

// Nitrous oxide systems.
class hava8 final : public TopicPage {
public:
    hava8() : TopicPage(8) {}
};

// Silencers and headers.
class hava9 final : public TopicPage {
public:
    hava9() : TopicPage(9) {}
};

// The glossary of technical terms.
class hava10 final : public TopicPage {
public:
    hava10() : TopicPage(10) {}
};

// Springs and spring rate.
class hava11 final : public TopicPage {
public:
    hava11() : TopicPage(11) {}
};
