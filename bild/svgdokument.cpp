#include "bild/svgdokument.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QRegion>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "bild/einheiten.h"
#include "core/strecke.h"

namespace lumora {

namespace {

constexpr double kDpiDatei = 72;       // the physical size the document states
constexpr double kWeitesteZahl = 1e8;  // pixels: anything farther lies off every page

// Appends a number of hundredths: no trailing zeros, no zero before the point, and no blank
// before a minus sign, which separates the numbers by itself.
void ZahlAnhaengen(QByteArray& text, std::int64_t hundertstel, bool trennen) {
    char puffer[32];
    char* z = puffer;
    if (hundertstel < 0) {
        *z++ = '-';
        hundertstel = -hundertstel;
    } else if (trennen) {
        *z++ = ' ';
    }
    const std::int64_t ganz = hundertstel / 100;
    const int rest = static_cast<int>(hundertstel % 100);
    if (ganz != 0 || rest == 0) z = std::to_chars(z, puffer + sizeof puffer, ganz).ptr;
    if (rest != 0) {
        *z++ = '.';
        *z++ = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) *z++ = static_cast<char>('0' + rest % 10);
    }
    text.append(puffer, z - puffer);
}

// Hundredths of v, held to what a 64-bit number takes; 0 for what is no number.
std::int64_t Hundertstel(double v) {
    const double h = std::clamp(std::round(v * 100), -1e15, 1e15);
    return std::isnan(h) ? 0 : static_cast<std::int64_t>(h);
}

void HundertstelAnhaengen(QByteArray& text, double v, bool trennen = false) {
    ZahlAnhaengen(text, Hundertstel(v), trennen);
}

// A value that is no coordinate (a matrix entry, an opacity), with the given significant
// digits.
void WertAnhaengen(QByteArray& text, double v, int stellen) {
    if (!std::isfinite(v)) v = 0;
    char puffer[32];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::general, stellen).ptr;
    text.append(puffer, ende - puffer);
}

// Appends text as XML character data or an attribute's value: &, <, >, " and ' escaped, and
// what XML cannot hold at all (control characters other than tab, line feed and carriage
// return, lone surrogates, U+FFFE and U+FFFF) left out.
void XmlAnhaengen(QByteArray& aus, QStringView text) {
    QString sauber;
    sauber.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            sauber += c;
            sauber += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE ||
            u == 0xFFFF) {
            continue;
        }
        switch (u) {
            case '&':
                sauber += QLatin1String("&amp;");
                break;
            case '<':
                sauber += QLatin1String("&lt;");
                break;
            case '>':
                sauber += QLatin1String("&gt;");
                break;
            case '"':
                sauber += QLatin1String("&quot;");
                break;
            case '\'':
                sauber += QLatin1String("&apos;");
                break;
            default:
                sauber += c;
        }
    }
    aus += sauber.toUtf8();
}

void Attribut(QByteArray& text, const char* name, const QByteArray& wert) {
    text += ' ';
    text += name;
    text += "=\"";
    text += wert;
    text += '"';
}

// Whether XML would change the text's blanks without xml:space="preserve": at its ends, two in
// a row, or any other white space.
bool LeerzeichenZaehlen(const QString& text) {
    if (text.startsWith(' ') || text.endsWith(' ') || text.contains(QLatin1String("  ")))
        return true;
    return text.contains('\t') || text.contains('\n') || text.contains('\r');
}

// Appends the path as SVG path data at s written units to its unit: a move to each subpath's
// start, lines and curves relative to the point before, a command letter only where it
// changes, and z for a subpath that ends where it began (which Qt's stroker joins as closed).
// Returns false, with nothing appended, when the path draws nothing.
bool PfadAnhaengen(QByteArray& text, const QPainterPath& pfad, double s) {
    const auto h = [s](double v) { return Hundertstel(v * s); };
    const qsizetype anfang = text.size();
    std::int64_t x = 0, y = 0, startX = 0, startY = 0;
    QPointF start;
    int strecken = 0;  // of the current subpath
    bool zeichnet = false;
    char befehl = 0;
    const int n = pfad.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element& e = pfad.elementAt(i);
        if (e.isMoveTo()) {
            start = e;
            x = startX = h(e.x);
            y = startY = h(e.y);
            strecken = 0;
            text.append('M');
            ZahlAnhaengen(text, x, false);
            ZahlAnhaengen(text, y, true);
            befehl = 'M';
            continue;
        }
        const int letztes = e.isCurveTo() ? i + 2 : i;  // the element with the end point
        if (letztes >= n) break;
        const QPainterPath::Element& ende = pfad.elementAt(letztes);
        const bool schliesst = strecken > 0 && ende.x == start.x() && ende.y == start.y() &&
                               (letztes + 1 == n || pfad.elementAt(letztes + 1).isMoveTo());
        ++strecken;
        zeichnet = true;
        if (e.isCurveTo() || !schliesst) {
            const char art = e.isCurveTo() ? 'c' : 'l';
            const bool weiter = befehl == art;
            if (!weiter) text.append(art);
            for (int k = i; k <= letztes; ++k) {
                const QPainterPath::Element& punkt = pfad.elementAt(k);
                ZahlAnhaengen(text, h(punkt.x) - x, weiter || k > i);
                ZahlAnhaengen(text, h(punkt.y) - y, true);
            }
            befehl = art;
            x = h(ende.x);
            y = h(ende.y);
        }
        if (schliesst) {
            text.append('z');
            befehl = 'z';
            x = startX;
            y = startY;
        }
        i = letztes;
    }
    if (!zeichnet) text.truncate(anfang);
    return zeichnet;
}

bool NurGeraden(const QPainterPath& pfad) {
    for (int i = 0; i < pfad.elementCount(); ++i) {
        if (pfad.elementAt(i).isCurveTo()) return false;
    }
    return true;
}

// The straight segments of the path cut to r; a piece stays joined to the one before where no
// cut lies between them.
QPainterPath Gekappt(const QPainterPath& pfad, const QRectF& r) {
    QPainterPath aus;
    QPointF vorher;
    bool verbunden = false;  // the output's last point is vorher, uncut
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element& e = pfad.elementAt(i);
        if (e.isMoveTo()) {
            vorher = e;
            verbunden = false;
            continue;
        }
        double x1 = vorher.x(), y1 = vorher.y(), x2 = e.x, y2 = e.y;
        if (StreckeKappen(x1, y1, x2, y2, r.left(), r.top(), r.right(), r.bottom())) {
            if (!verbunden || x1 != vorher.x() || y1 != vorher.y()) aus.moveTo(x1, y1);
            aus.lineTo(x2, y2);
            verbunden = x2 == e.x && y2 == e.y;
        } else {
            verbunden = false;
        }
        vorher = e;
    }
    return aus;
}

// A rectangle when the path is one, as QPainterPath::addRect makes it: four sides across and
// down, back to the start, every point on a corner of its bounds.
std::optional<QRectF> RechteckVon(const QPainterPath& pfad) {
    if (pfad.elementCount() != 5 || !NurGeraden(pfad)) return std::nullopt;
    const QRectF r = pfad.controlPointRect();
    for (int i = 0; i < 5; ++i) {
        const QPainterPath::Element& e = pfad.elementAt(i);
        if ((e.x != r.left() && e.x != r.right()) || (e.y != r.top() && e.y != r.bottom()))
            return std::nullopt;
        if (i == 0) continue;
        const QPainterPath::Element& vorher = pfad.elementAt(i - 1);
        if ((e.x == vorher.x) == (e.y == vorher.y)) return std::nullopt;  // no side
    }
    const QPainterPath::Element& a = pfad.elementAt(0);
    const QPainterPath::Element& b = pfad.elementAt(4);
    if (a.x != b.x || a.y != b.y) return std::nullopt;
    return r;
}

// The attributes an element takes from the painter's state. The first ones stand on groups:
// they change seldom, and a group ends where one of them changes. A fill's colour and rule
// stand on the group too, as its first element has them, and on an element that differs. The
// stroke's colour and width stand on each element that has them other than SVG's initial
// ones: every run of canvas lines is a path of its own colour and width.
enum Merkmal : std::size_t {
    kTransform,
    kLinienende,
    kEcke,
    kGehrung,
    kMuster,
    kVersatz,
    kBreitenfest,
    kFamilie,
    kSchriftgroesse,
    kStaerke,
    kLage,
    kGruppenmerkmale,
    kFuellung = kGruppenmerkmale,
    kFuelldeckung,
    kFuellregel,
    kStrichmerkmale,
    kStrich = kStrichmerkmale,
    kStrichdeckung,
    kBreite,
    kMerkmale,
};

struct Merkmalsart {
    const char* name;
    const char* anfang;  // SVG's initial value, never written
};
constexpr std::array<Merkmalsart, kMerkmale> kArten{{
    {"transform", ""},
    {"stroke-linecap", "butt"},
    {"stroke-linejoin", "miter"},
    {"stroke-miterlimit", "4"},
    {"stroke-dasharray", "none"},
    {"stroke-dashoffset", "0"},
    {"vector-effect", "none"},
    {"font-family", ""},
    {"font-size", ""},
    {"font-weight", "400"},
    {"font-style", "normal"},
    {"fill", "#000000"},
    {"fill-opacity", "1"},
    {"fill-rule", "nonzero"},
    {"stroke", "none"},
    {"stroke-opacity", "1"},
    {"stroke-width", "1"},
}};

// An element's value of each attribute; none where it takes the attribute from nowhere.
using Bedarf = std::array<const QByteArray*, kMerkmale>;

const QByteArray kKein("none");
const QByteArray kGeradeUngerade("evenodd");
const QByteArray kNichtNull("nonzero");

// What fills an element: nothing, the brush, or the pen's colour (text, and a stroke cut to
// the clip as its outline).
enum class Fuellung { keine, Pinsel, Stift };

// Where an element lies against the clip.
enum class Lage { innen, aussen, schneidet };

}  // namespace

// The paint engine behind Svgdokument: writes each primitive as it comes.
class Svgmaler final : public QPaintEngine {
  public:
    Svgmaler(QSize groesse, QString titel)
        : QPaintEngine(PrimitiveTransform | PixmapTransform | AlphaBlend | PainterPaths |
                       Antialiasing | ConstantOpacity | PaintOutsidePaintEvent),
          groesse_(groesse),
          titel_(std::move(titel)) {}

    bool begin(QPaintDevice*) override;
    bool end() override;
    void updateState(const QPaintEngineState& s) override;
    void drawPath(const QPainterPath& pfad) override;
    using QPaintEngine::drawRects;
    void drawRects(const QRectF* rechtecke, int anzahl) override;
    using QPaintEngine::drawLines;
    void drawLines(const QLineF* linien, int anzahl) override;
    using QPaintEngine::drawEllipse;
    void drawEllipse(const QRectF& r) override;
    using QPaintEngine::drawPolygon;
    void drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode modus) override;
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& bild, const QRectF& sr,
                   Qt::ImageConversionFlags) override;
    void drawTextItem(const QPointF& p, const QTextItem& ti) override;
    Type type() const override { return SVG; }

    const QByteArray& text() const { return text_; }
    bool fertig() const { return fertig_; }

  private:
    // The attribute values of the painter's state, made when an element needs them.
    struct Stil {
        QByteArray transform;
        double skala = 1;  // written coordinates are logical ones times this
        QByteArray strich, strichdeckung, breite, linienende, ecke, gehrung, muster, versatz,
            breitenfest;
        QByteArray fuellung, fuelldeckung;
    };
    // The clip in device pixels, a rectangle where it is one.
    struct Schnitt {
        QPainterPath pfad;
        std::optional<QRectF> rechteck;
        int nummer = 0;  // its clipPath's, once written
    };

    const Stil& stil();
    void farbtext(QByteArray& farbe, QByteArray& deckung, const QColor& c) const;
    Bedarf bedarf(bool strich, Fuellung f);
    void oeffnen(const Bedarf& n);
    void eigene(const Bedarf& n);
    void gruppeSchliessen();
    void schnittOeffnen();
    void schnittSetzen(const QPainterPath& logisch, std::optional<QRectF> rechteck,
                       Qt::ClipOperation op);
    bool schnittAktiv() const { return schnittAn_ && schnitt_.has_value(); }
    Lage lage(const QRectF& geraet) const;
    Lage vorpruefen(const QRectF& logisch, bool strich);
    double strichrand() const;
    bool schreibbar(const QRectF& logisch);
    void malen(const QPainterPath& pfad, bool strich, bool fuellen, bool regel = true);
    void strichSchneiden(const QPainterPath& pfad, const QRectF& kern);
    void pfadSchreiben(const QPainterPath& pfad, bool strich, Fuellung f, bool regel = true);
    void rechteckSchreiben(const QRectF& r, bool strich, bool fuellen);

    QSize groesse_;
    QString titel_;
    QByteArray text_;
    bool fertig_ = false;

    QPen stift_;
    QBrush pinsel_;
    QTransform transform_;
    QTransform umkehr_;
    bool umkehrbar_ = true;
    qreal deckung_ = 1;
    Stil stil_;
    // The parts of stil_ made before their part of the state changed.
    static constexpr int kAltTransform = 1, kAltStift = 2, kAltPinsel = 4;
    int alt_ = kAltTransform | kAltStift | kAltPinsel;

    std::optional<Schnitt> schnitt_;
    bool schnittAn_ = true;
    std::vector<std::pair<QPainterPath, int>> schnitte_;  // the clipPaths written so far

    int aussen_ = 0;  // the clip of the open clipping group, 0 for none
    bool gruppeOffen_ = false;
    std::array<QByteArray, kMerkmale> gruppe_;  // the open group's value of each attribute
};

bool Svgmaler::begin(QPaintDevice*) {
    text_.clear();
    fertig_ = false;
    schnitt_.reset();
    schnitte_.clear();
    aussen_ = 0;
    gruppeOffen_ = false;
    for (std::size_t i = 0; i < kMerkmale; ++i) gruppe_[i] = kArten[i].anfang;
    alt_ = kAltTransform | kAltStift | kAltPinsel;
    const QSize g = groesse_;
    text_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"";
    text_ += QByteArray::number(g.width() * 25.4 / kDpiDatei, 'f', 3);
    text_ += "mm\" height=\"";
    text_ += QByteArray::number(g.height() * 25.4 / kDpiDatei, 'f', 3);
    text_ += "mm\" viewBox=\"0 0 " + QByteArray::number(g.width()) + ' ' +
             QByteArray::number(g.height());
    text_ +=
        "\" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "version=\"1.1\">\n<title>";
    XmlAnhaengen(text_, titel_);
    text_ += "</title>\n";
    setActive(true);
    return true;
}

bool Svgmaler::end() {
    gruppeSchliessen();
    if (aussen_ != 0) text_ += "</g>\n";
    aussen_ = 0;
    text_ += "</svg>\n";
    fertig_ = true;
    setActive(false);
    return true;
}

void Svgmaler::updateState(const QPaintEngineState& s) {
    const DirtyFlags f = s.state();
    if (f & DirtyPen) stift_ = s.pen();
    if (f & DirtyBrush) pinsel_ = s.brush();
    if (f & DirtyOpacity) deckung_ = s.opacity();
    if (f & DirtyTransform) {
        transform_ = s.transform();
        umkehr_ = transform_.inverted(&umkehrbar_);
        alt_ |= kAltTransform | kAltStift;  // the pen's width scales with it
    }
    if (f & (DirtyPen | DirtyOpacity)) alt_ |= kAltStift;
    if (f & (DirtyBrush | DirtyOpacity)) alt_ |= kAltPinsel;
    // The clip comes in the coordinates of the transform that comes with it.
    if (f & DirtyClipEnabled) schnittAn_ = s.isClipEnabled();
    if (f & (DirtyClipRegion | DirtyClipPath)) {
        const bool pfad =
            (f & DirtyClipPath) && (!(f & DirtyClipRegion) || !s.clipPath().isEmpty());
        if (s.clipOperation() == Qt::NoClip) {
            schnitt_.reset();
        } else if (pfad) {
            schnittSetzen(s.clipPath(), RechteckVon(s.clipPath()), s.clipOperation());
        } else {
            const QRegion r = s.clipRegion();
            QPainterPath p;
            p.addRegion(r);
            schnittSetzen(
                p, r.rectCount() == 1 ? std::optional<QRectF>(r.boundingRect()) : std::nullopt,
                s.clipOperation());
        }
    }
}

void Svgmaler::schnittSetzen(const QPainterPath& logisch, std::optional<QRectF> rechteck,
                             Qt::ClipOperation op) {
    Schnitt neu;
    const bool achsentreu = transform_.type() <= QTransform::TxScale;
    if (rechteck && achsentreu) {
        neu.rechteck = transform_.mapRect(*rechteck);
        neu.pfad.addRect(*neu.rechteck);
    } else {
        neu.pfad = transform_.map(logisch);
    }
    if (op == Qt::IntersectClip && schnitt_) {
        if (neu.rechteck && schnitt_->rechteck) {
            neu.rechteck = *neu.rechteck & *schnitt_->rechteck;
            neu.pfad = QPainterPath();
            neu.pfad.addRect(*neu.rechteck);
        } else {
            neu.pfad = neu.pfad.intersected(schnitt_->pfad);
            neu.rechteck.reset();
        }
    }
    schnitt_ = std::move(neu);
}

// The colour as #rrggbb and its opacity with the painter's.
void Svgmaler::farbtext(QByteArray& farbe, QByteArray& deckung, const QColor& c) const {
    static constexpr char kHex[] = "0123456789abcdef";
    const QRgb rgb = c.rgb();
    farbe.truncate(0);
    farbe += '#';
    for (int schieben = 20; schieben >= 0; schieben -= 4) farbe += kHex[(rgb >> schieben) & 15];
    deckung.truncate(0);
    WertAnhaengen(deckung, c.alphaF() * deckung_, 3);
}

// Each part made anew only when its part of the painter's state changed: a run of canvas lines
// changes the pen alone.
const Svgmaler::Stil& Svgmaler::stil() {
    Stil& s = stil_;
    const QTransform& t = transform_;
    // A translation and a uniform scale: the scale goes into the coordinates, the
    // translation onto the group, so that the numbers stay hundredths of a pixel.
    const bool gleichmaessig = t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0;
    if (alt_ & kAltTransform) {
        s.transform.truncate(0);
        s.skala = 1;
        if (gleichmaessig) {
            s.skala = t.m11();
            if (t.dx() != 0 || t.dy() != 0) {
                s.transform += "translate(";
                HundertstelAnhaengen(s.transform, t.dx());
                HundertstelAnhaengen(s.transform, t.dy(), true);
                s.transform += ')';
            }
        } else {
            s.transform += "matrix(";
            for (double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()}) {
                if (s.transform.size() > 7) s.transform += ' ';
                WertAnhaengen(s.transform, v, 10);
            }
            s.transform += ')';
        }
    }
    if (alt_ & kAltStift) {
        const QPen& p = stift_;
        farbtext(s.strich, s.strichdeckung, p.color());
        // A cosmetic pen is as wide on the device whatever the transform; a pen of width 0 is
        // one pixel wide. The dashes count in widths of the pen.
        const double breite =
            p.isCosmetic() ? (p.widthF() > 0 ? p.widthF() : 1) : p.widthF() * s.skala;
        s.breite.truncate(0);
        HundertstelAnhaengen(s.breite, breite);
        s.breitenfest = p.isCosmetic() && !gleichmaessig ? QByteArrayLiteral("non-scaling-stroke")
                                                         : QByteArrayLiteral("none");
        switch (p.capStyle()) {
            case Qt::FlatCap:
                s.linienende = QByteArrayLiteral("butt");
                break;
            case Qt::RoundCap:
                s.linienende = QByteArrayLiteral("round");
                break;
            default:
                s.linienende = QByteArrayLiteral("square");
        }
        switch (p.joinStyle()) {
            case Qt::BevelJoin:
                s.ecke = QByteArrayLiteral("bevel");
                break;
            case Qt::RoundJoin:
                s.ecke = QByteArrayLiteral("round");
                break;
            default:
                s.ecke = QByteArrayLiteral("miter");
        }
        s.gehrung.truncate(0);
        WertAnhaengen(s.gehrung, std::max(1.0, p.miterLimit()), 6);
        s.muster = kKein;
        s.versatz = QByteArrayLiteral("0");
        if (p.style() != Qt::SolidLine && p.style() != Qt::NoPen) {
            s.muster = QByteArray();
            for (double strecke : p.dashPattern()) {
                ZahlAnhaengen(s.muster, std::max<std::int64_t>(Hundertstel(strecke * breite), 1),
                              !s.muster.isEmpty());
            }
            s.versatz = QByteArray();
            HundertstelAnhaengen(s.versatz, p.dashOffset() * breite);
        }
    }
    if (alt_ & kAltPinsel) farbtext(s.fuellung, s.fuelldeckung, pinsel_.color());
    alt_ = 0;
    return s;
}

Bedarf Svgmaler::bedarf(bool strich, Fuellung f) {
    const Stil& s = stil();
    Bedarf n{};
    n[kTransform] = &s.transform;
    n[kStrich] = &kKein;
    if (strich) {
        n[kStrich] = &s.strich;
        n[kStrichdeckung] = &s.strichdeckung;
        n[kBreite] = &s.breite;
        n[kLinienende] = &s.linienende;
        n[kEcke] = &s.ecke;
        if (s.ecke == "miter") n[kGehrung] = &s.gehrung;
        n[kMuster] = &s.muster;
        if (s.muster != kKein) n[kVersatz] = &s.versatz;
        n[kBreitenfest] = &s.breitenfest;
    }
    switch (f) {
        case Fuellung::keine:
            n[kFuellung] = &kKein;
            break;
        case Fuellung::Pinsel:
            n[kFuellung] = &s.fuellung;
            n[kFuelldeckung] = &s.fuelldeckung;
            break;
        case Fuellung::Stift:
            n[kFuellung] = &s.strich;
            n[kFuelldeckung] = &s.strichdeckung;
            break;
    }
    return n;
}

void Svgmaler::gruppeSchliessen() {
    if (gruppeOffen_) text_ += "</g>\n";
    gruppeOffen_ = false;
}

// The group of the clip the element lies under: its clipPath written where it is first used.
void Svgmaler::schnittOeffnen() {
    int nummer = 0;
    bool neu = false;
    if (schnittAktiv()) {
        if (schnitt_->nummer == 0) {
            for (const auto& [pfad, n] : schnitte_) {
                if (pfad == schnitt_->pfad) schnitt_->nummer = n;
            }
        }
        if (schnitt_->nummer == 0) {
            schnitt_->nummer = static_cast<int>(schnitte_.size()) + 1;
            schnitte_.emplace_back(schnitt_->pfad, schnitt_->nummer);
            neu = true;
        }
        nummer = schnitt_->nummer;
    }
    if (nummer == aussen_) return;
    gruppeSchliessen();
    if (aussen_ != 0) text_ += "</g>\n";
    aussen_ = nummer;
    if (nummer == 0) return;
    const QByteArray name = 's' + QByteArray::number(nummer);
    if (neu) {
        text_ += "<defs><clipPath id=\"" + name + "\">";
        if (const auto& r = schnitt_->rechteck) {
            text_ += "<rect x=\"";
            HundertstelAnhaengen(text_, r->x());
            text_ += "\" y=\"";
            HundertstelAnhaengen(text_, r->y());
            text_ += "\" width=\"";
            HundertstelAnhaengen(text_, r->width());
            text_ += "\" height=\"";
            HundertstelAnhaengen(text_, r->height());
            text_ += "\"/>";
        } else {
            text_ += "<path";
            if (schnitt_->pfad.fillRule() == Qt::OddEvenFill) text_ += " clip-rule=\"evenodd\"";
            text_ += " d=\"";
            if (!PfadAnhaengen(text_, schnitt_->pfad, 1)) text_ += "M0 0";
            text_ += "\"/>";
        }
        text_ += "</clipPath></defs>\n";
    }
    text_ += "<g clip-path=\"url(#" + name + ")\">\n";
}

// A new group where the element needs a group attribute other than the open group's. The new
// group keeps what the element does not need from the one before: text between lines, as on
// the edge scale, then shares a group with them.
void Svgmaler::oeffnen(const Bedarf& n) {
    schnittOeffnen();
    bool neu = !gruppeOffen_;
    for (std::size_t i = 0; i < kGruppenmerkmale && !neu; ++i) neu = n[i] && *n[i] != gruppe_[i];
    if (!neu) return;
    gruppeSchliessen();
    text_ += "<g";
    for (std::size_t i = 0; i < kMerkmale; ++i) {
        if (i >= kStrichmerkmale) {
            gruppe_[i] = kArten[i].anfang;
            continue;
        }
        if (n[i]) gruppe_[i] = *n[i];
        if (gruppe_[i] == kArten[i].anfang) continue;
        Attribut(text_, kArten[i].name, gruppe_[i]);
    }
    text_ += ">\n";
    gruppeOffen_ = true;
}

// The element's own attributes: the stroke's, and a fill that differs from its group's.
void Svgmaler::eigene(const Bedarf& n) {
    for (std::size_t i = kGruppenmerkmale; i < kMerkmale; ++i) {
        if (!n[i] || *n[i] == gruppe_[i]) continue;
        Attribut(text_, kArten[i].name, *n[i]);
    }
}

Lage Svgmaler::lage(const QRectF& r) const {
    if (!schnittAktiv()) return Lage::innen;
    if (const auto& c = schnitt_->rechteck) {
        if (r.left() >= c->left() && r.right() <= c->right() && r.top() >= c->top() &&
            r.bottom() <= c->bottom()) {
            return Lage::innen;
        }
        if (r.left() > c->right() || r.right() < c->left() || r.top() > c->bottom() ||
            r.bottom() < c->top()) {
            return Lage::aussen;
        }
        return Lage::schneidet;
    }
    if (schnitt_->pfad.contains(r)) return Lage::innen;
    if (!schnitt_->pfad.intersects(r)) return Lage::aussen;
    return Lage::schneidet;
}

// How far beyond its centre line a stroke can reach on the device: half its width, a whole
// one for square caps, the miter limit for miters.
double Svgmaler::strichrand() const {
    const QTransform& t = transform_;
    const double dehnung =
        std::sqrt(t.m11() * t.m11() + t.m12() * t.m12() + t.m21() * t.m21() + t.m22() * t.m22());
    const double breite =
        stift_.isCosmetic() ? std::max(stift_.widthF(), 1.0) : stift_.widthF() * dehnung;
    const bool gehrung =
        stift_.joinStyle() == Qt::MiterJoin || stift_.joinStyle() == Qt::SvgMiterJoin;
    return breite * (gehrung ? std::max(1.0, stift_.miterLimit()) : 1.0);
}

Lage Svgmaler::vorpruefen(const QRectF& logisch, bool strich) {
    if (!schnittAktiv()) return Lage::innen;
    if (!umkehrbar_) return Lage::aussen;  // flat: nothing to see
    const double rand = strich ? strichrand() : 0;
    return lage(transform_.mapRect(logisch).adjusted(-rand, -rand, rand, rand));
}

// Whether every coordinate of what lies in the box can be written: finite and on any page.
bool Svgmaler::schreibbar(const QRectF& logisch) {
    const double s = stil().skala;
    for (double v : {logisch.left(), logisch.right(), logisch.top(), logisch.bottom()}) {
        if (!(std::fabs(v * s) <= kWeitesteZahl)) return false;
    }
    return true;
}

void Svgmaler::drawPath(const QPainterPath& pfad) {
    malen(pfad, stift_.style() != Qt::NoPen, pinsel_.style() != Qt::NoBrush);
}

void Svgmaler::malen(const QPainterPath& pfad, bool strich, bool fuellen, bool regel) {
    if ((!strich && !fuellen) || pfad.isEmpty()) return;
    if (!schnittAktiv()) {
        pfadSchreiben(pfad, strich, fuellen ? Fuellung::Pinsel : Fuellung::keine, regel);
        return;
    }
    const QRectF kern = pfad.controlPointRect();
    switch (vorpruefen(kern, strich)) {
        case Lage::innen:
            pfadSchreiben(pfad, strich, fuellen ? Fuellung::Pinsel : Fuellung::keine, regel);
            return;
        case Lage::aussen:
            return;
        case Lage::schneidet:
            break;
    }
    // Filled first and stroked over it, as the painter does.
    if (fuellen) {
        const QPainterPath innen = transform_.map(pfad).intersected(schnitt_->pfad);
        pfadSchreiben(umkehr_.map(innen), false, Fuellung::Pinsel);
    }
    if (strich) strichSchneiden(pfad, transform_.mapRect(kern));
}

// A stroke across the clip's border. Straight solid lines with flat ends are cut at the clip's
// rectangle and stay lines: the canvas's runs are such, and a run of thousands of lines must
// not become their outlines. Where such a line crosses the border at a slant, a corner of its
// end still reaches up to half its width beyond, which the clip-path holds. Anything else
// becomes the outline of its stroke, cut exactly.
void Svgmaler::strichSchneiden(const QPainterPath& pfad, const QRectF& kern) {
    if (stift_.style() == Qt::SolidLine && stift_.capStyle() == Qt::FlatCap && schnitt_->rechteck &&
        transform_.type() <= QTransform::TxScale && NurGeraden(pfad)) {
        if (lage(kern) == Lage::innen) {
            pfadSchreiben(pfad, true, Fuellung::keine);
        } else {
            pfadSchreiben(Gekappt(pfad, umkehr_.mapRect(*schnitt_->rechteck)), true,
                          Fuellung::keine);
        }
        return;
    }
    QPainterPathStroker stricher(stift_);
    QPainterPath umriss;
    if (stift_.isCosmetic()) {
        stricher.setWidth(std::max(stift_.widthF(), 1.0));
        umriss = stricher.createStroke(transform_.map(pfad));
    } else {
        umriss = transform_.map(stricher.createStroke(pfad));
    }
    pfadSchreiben(umkehr_.map(umriss.intersected(schnitt_->pfad)), false, Fuellung::Stift);
}

void Svgmaler::pfadSchreiben(const QPainterPath& pfad, bool strich, Fuellung f, bool regel) {
    if (pfad.isEmpty() || !schreibbar(pfad.controlPointRect())) return;
    Bedarf n = bedarf(strich, f);
    if (f != Fuellung::keine && regel)
        n[kFuellregel] = pfad.fillRule() == Qt::OddEvenFill ? &kGeradeUngerade : &kNichtNull;
    oeffnen(n);
    const qsizetype anfang = text_.size();
    text_ += "<path";
    eigene(n);
    text_ += " d=\"";
    if (!PfadAnhaengen(text_, pfad, stil().skala)) {
        text_.truncate(anfang);
        return;
    }
    text_ += "\"/>\n";
}

void Svgmaler::rechteckSchreiben(const QRectF& r, bool strich, bool fuellen) {
    if (!schreibbar(r)) return;
    const Bedarf n = bedarf(strich, fuellen ? Fuellung::Pinsel : Fuellung::keine);
    oeffnen(n);
    const double s = stil().skala;
    text_ += "<rect";
    eigene(n);
    text_ += " x=\"";
    HundertstelAnhaengen(text_, r.x() * s);
    text_ += "\" y=\"";
    HundertstelAnhaengen(text_, r.y() * s);
    text_ += "\" width=\"";
    HundertstelAnhaengen(text_, r.width() * s);
    text_ += "\" height=\"";
    HundertstelAnhaengen(text_, r.height() * s);
    text_ += "\"/>\n";
}

void Svgmaler::drawRects(const QRectF* rechtecke, int anzahl) {
    const bool strich = stift_.style() != Qt::NoPen;
    const bool fuellen = pinsel_.style() != Qt::NoBrush;
    if (!strich && !fuellen) return;
    for (int i = 0; i < anzahl; ++i) {
        QRectF r = rechtecke[i].normalized();
        const Lage l = vorpruefen(r, strich);
        if (l == Lage::aussen) continue;
        if (l == Lage::schneidet) {
            // A filled box stays a box, cut to a clip of a box.
            if (strich || !schnitt_->rechteck || transform_.type() > QTransform::TxScale) {
                QPainterPath pfad;
                pfad.addRect(r);
                malen(pfad, strich, fuellen, false);
                continue;
            }
            r &= umkehr_.mapRect(*schnitt_->rechteck);
            if (r.isEmpty()) continue;
        }
        rechteckSchreiben(r, strich, fuellen);
    }
}

void Svgmaler::drawLines(const QLineF* linien, int anzahl) {
    if (stift_.style() == Qt::NoPen || anzahl <= 0) return;
    QPainterPath pfad;
    for (int i = 0; i < anzahl; ++i) {
        pfad.moveTo(linien[i].p1());
        pfad.lineTo(linien[i].p2());
    }
    malen(pfad, true, false);
}

void Svgmaler::drawEllipse(const QRectF& r0) {
    const bool strich = stift_.style() != Qt::NoPen;
    const bool fuellen = pinsel_.style() != Qt::NoBrush;
    const QRectF r = r0.normalized();
    if ((!strich && !fuellen) || r.isEmpty()) return;
    const Lage l = vorpruefen(r, strich);
    if (l == Lage::aussen) return;
    if (l == Lage::schneidet) {
        QPainterPath pfad;
        pfad.addEllipse(r);
        malen(pfad, strich, fuellen, false);
        return;
    }
    if (!schreibbar(r)) return;
    const Bedarf n = bedarf(strich, fuellen ? Fuellung::Pinsel : Fuellung::keine);
    oeffnen(n);
    const double s = stil().skala;
    const bool kreis = r.width() == r.height();
    text_ += kreis ? "<circle" : "<ellipse";
    eigene(n);
    text_ += " cx=\"";
    HundertstelAnhaengen(text_, r.center().x() * s);
    text_ += "\" cy=\"";
    HundertstelAnhaengen(text_, r.center().y() * s);
    text_ += kreis ? "\" r=\"" : "\" rx=\"";
    HundertstelAnhaengen(text_, r.width() / 2 * s);
    if (!kreis) {
        text_ += "\" ry=\"";
        HundertstelAnhaengen(text_, r.height() / 2 * s);
    }
    text_ += "\"/>\n";
}

void Svgmaler::drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode modus) {
    if (anzahl <= 0) return;
    QPainterPath pfad;
    pfad.moveTo(punkte[0]);
    for (int i = 1; i < anzahl; ++i) pfad.lineTo(punkte[i]);
    const bool flaeche = modus != PolylineMode;
    if (flaeche) pfad.closeSubpath();
    pfad.setFillRule(modus == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    malen(pfad, stift_.style() != Qt::NoPen, flaeche && pinsel_.style() != Qt::NoBrush,
          modus != ConvexMode);
}

void Svgmaler::drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) {
    drawImage(r, pm.toImage(), sr, Qt::AutoColor);
}

void Svgmaler::drawImage(const QRectF& r0, const QImage& bild, const QRectF& sr,
                         Qt::ImageConversionFlags) {
    QRectF ziel = r0.normalized();
    QRect quelle = sr.normalized().toAlignedRect() & bild.rect();
    if (ziel.isEmpty() || quelle.isEmpty()) return;
    const Lage l = vorpruefen(ziel, false);
    if (l == Lage::aussen) return;
    if (l == Lage::schneidet && schnitt_->rechteck && transform_.type() <= QTransform::TxScale) {
        // Only the image's pixels inside the clip, whole ones.
        const QRectF sicht = ziel & umkehr_.mapRect(*schnitt_->rechteck);
        if (sicht.isEmpty()) return;
        const double sx = sr.width() / r0.width(), sy = sr.height() / r0.height();
        const QRectF teil(sr.x() + (sicht.x() - r0.x()) * sx, sr.y() + (sicht.y() - r0.y()) * sy,
                          sicht.width() * sx, sicht.height() * sy);
        quelle = teil.toAlignedRect() & quelle;
        if (quelle.isEmpty()) return;
        ziel = QRectF(r0.x() + (quelle.x() - sr.x()) / sx, r0.y() + (quelle.y() - sr.y()) / sy,
                      quelle.width() / sx, quelle.height() / sy);
    }
    if (!schreibbar(ziel)) return;
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    if (!(quelle == bild.rect() ? bild : bild.copy(quelle)).save(&puffer, "PNG")) return;
    Bedarf n{};
    n[kTransform] = &stil().transform;
    oeffnen(n);
    const double s = stil().skala;
    text_ += "<image x=\"";
    HundertstelAnhaengen(text_, ziel.x() * s);
    text_ += "\" y=\"";
    HundertstelAnhaengen(text_, ziel.y() * s);
    text_ += "\" width=\"";
    HundertstelAnhaengen(text_, ziel.width() * s);
    text_ += "\" height=\"";
    HundertstelAnhaengen(text_, ziel.height() * s);
    text_ += "\" preserveAspectRatio=\"none\"";
    if (deckung_ < 1) {
        text_ += " opacity=\"";
        WertAnhaengen(text_, deckung_, 3);
        text_ += '"';
    }
    text_ += " xlink:href=\"data:image/png;base64,";
    text_ += png.toBase64();
    text_ += "\"/>\n";
}

void Svgmaler::drawTextItem(const QPointF& p, const QTextItem& ti) {
    const QString text = ti.text();
    if (stift_.style() == Qt::NoPen || text.isEmpty()) return;
    const QFont schrift = ti.font();
    if (schnittAktiv()) {
        const QRectF tinte = QFontMetricsF(schrift, paintDevice()).boundingRect(text).translated(p);
        // Text that crosses the clip stays text, cut by the clip-path alone: a label a little
        // wider than its box is text in the file, not the outlines of its glyphs.
        if (vorpruefen(tinte, false) == Lage::aussen) return;
    }
    const double s = stil().skala;
    if (!schreibbar(QRectF(p, QSizeF(0, 0)))) return;
    QByteArray familie, groesse, staerke, schnitt;
    XmlAnhaengen(familie, schrift.family());
    const double pixel = schrift.pixelSize() > 0
                             ? schrift.pixelSize()
                             : schrift.pointSizeF() * paintDevice()->logicalDpiY() / 72;
    HundertstelAnhaengen(groesse, pixel * s);
    staerke = QByteArray::number(schrift.weight());
    schnitt = schrift.style() == QFont::StyleItalic    ? "italic"
              : schrift.style() == QFont::StyleOblique ? "oblique"
                                                       : "normal";
    Bedarf n = bedarf(false, Fuellung::Stift);
    n[kFamilie] = &familie;
    n[kSchriftgroesse] = &groesse;
    n[kStaerke] = &staerke;
    n[kLage] = &schnitt;
    oeffnen(n);
    text_ += "<text";
    eigene(n);
    text_ += " x=\"";
    HundertstelAnhaengen(text_, p.x() * s);
    text_ += "\" y=\"";
    HundertstelAnhaengen(text_, p.y() * s);
    text_ += LeerzeichenZaehlen(text) ? "\" xml:space=\"preserve\">" : "\">";
    XmlAnhaengen(text_, text);
    text_ += "</text>\n";
}

Svgdokument::Svgdokument(QSize groesse, const QString& titel)
    : groesse_(groesse),
      dpi_(static_cast<int>(std::lround(LogischeDpi()))),
      maler_(std::make_unique<Svgmaler>(groesse, titel)) {}

Svgdokument::~Svgdokument() = default;

QPaintEngine* Svgdokument::paintEngine() const { return maler_.get(); }

QByteArray Svgdokument::text() const { return maler_->fertig() ? maler_->text() : QByteArray(); }

int Svgdokument::metric(PaintDeviceMetric m) const {
    switch (m) {
        case PdmWidth:
            return groesse_.width();
        case PdmHeight:
            return groesse_.height();
        case PdmWidthMM:
            return static_cast<int>(std::lround(groesse_.width() * 25.4 / kDpiDatei));
        case PdmHeightMM:
            return static_cast<int>(std::lround(groesse_.height() * 25.4 / kDpiDatei));
        case PdmNumColors:
            return std::numeric_limits<int>::max();
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
            return dpi_;
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return static_cast<int>(kDpiDatei);
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
    }
}

}  // namespace lumora
