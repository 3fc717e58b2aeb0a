#include "circuits.h"

#include <algorithm>
#include <tuple>

#include "circuitparts.h"

namespace kwil::media {
namespace {

using namespace parts;

// Contacts in series and side by side, built as nested blocks.
struct Block {
  QString name;            // a contact's switch; empty for a group
  bool breaks = false;     // a break contact
  bool parallel = false;   // a group side by side instead of one below the other
  QList<Block> inner;
};

Block makes(const QString& name) { return {name, false, false, {}}; }
Block breaks(const QString& name) { return {name, true, false, {}}; }
Block series(const QList<Block>& inner) { return {{}, false, false, inner}; }
Block sideBySide(const QList<Block>& inner) { return {{}, false, true, inner}; }

constexpr double kContact = 50, kLeafHeight = 60, kLeafWidth = 100, kRail = 12;

QSizeF blockSize(const Block& b) {
  if (b.inner.isEmpty()) return {kLeafWidth, kLeafHeight};
  double w = 0, h = 0;
  for (const Block& part : b.inner) {
    const QSizeF size = blockSize(part);
    w = b.parallel ? w + size.width() : std::max(w, size.width());
    h = b.parallel ? std::max(h, size.height()) : h + size.height();
  }
  return {w, b.parallel ? h + 2 * kRail : h};
}

// Lays the block out with its top at (x, top), stretched to `height`; it ends at (x, top + height).
void placeBlock(const Block& b, double x, double top, double height, QList<Part>& out) {
  if (b.inner.isEmpty()) {
    const QPointF from(x, top), to(x, top + kContact);
    out.append(b.breaks ? breaking(from, to, b.name) : make(from, to, b.name));
    if (height > kContact) out.append(wire(to, {x, top + height}));
    return;
  }
  if (!b.parallel) {
    double y = top;
    for (qsizetype i = 0; i < b.inner.size(); ++i) {
      const double h = i + 1 < b.inner.size() ? blockSize(b.inner[i]).height() : top + height - y;
      placeBlock(b.inner[i], x, y, h, out);
      y += h;
    }
    return;
  }
  const double upper = top + kRail, lower = top + height - kRail;
  out.append(wire({x, top}, {x, upper}));
  double left = x - blockSize(b).width() / 2;
  for (const Block& part : b.inner) {
    const double cx = left + blockSize(part).width() / 2;
    if (cx != x) out << wire({x, upper}, {cx, upper}) << wire({cx, lower}, {x, lower});
    placeBlock(part, cx, upper, lower - upper, out);
    left += blockSize(part).width();
  }
  out.append(wire({x, lower}, {x, top + height}));
}

Circuit truthTableCircuit(const Block& switches) {
  const QSizeF size = blockSize(switches);
  const double x = 30 + size.width() / 2, top = 42, resistorTop = top + size.height() + 10;
  const double ledTop = resistorTop + 48, zero = ledTop + 54;
  Circuit c = circuit(QSize(int(size.width() + 80), int(zero + 28)), {{{x, 30}, "+12 V", true}, {{x, zero}, "0", false}});
  c.parts = {wire({x, 30}, {x, top})};
  placeBlock(switches, x, top, size.height(), c.parts);
  c.parts << wire({x, top + size.height()}, {x, resistorTop}) << resistor({x, resistorTop}, {x, resistorTop + 40}, "R1")
          << wire({x, resistorTop + 40}, {x, ledTop}) << led({x, ledTop}, {x, ledTop + 42}, "E1")
          << wire({x, ledTop + 42}, {x, zero});
  return c;
}

}  // namespace

QList<CircuitFamily> truthTableFamilies() {
  const QStringList one{"s1"}, two{"s1", "s2"}, three{"s1", "s2", "s3"};
  const QList<std::tuple<Block, const char*, QStringList>> tables = {
      {series({makes("s1")}), "ImgTabelWel", one},
      {series({breaks("s1")}), "ImgTabelNiet", one},
      {series({makes("s1"), makes("s2")}), "ImgTabelEn", two},
      {sideBySide({makes("s1"), makes("s2")}), "ImgTabelOf", two},
      {series({makes("s1"), makes("s2"), makes("s3")}), "ImgTabelEn3", three},
      {sideBySide({makes("s1"), makes("s2"), makes("s3")}), "ImgTabelOf3", three},
      {sideBySide({series({makes("s1"), makes("s2")}), makes("s3")}), "ImgTabelEnOf", three},
      {series({makes("s1"), breaks("s2")}), "ImgTabelEnNiet", two},
      {sideBySide({makes("s1"), makes("s2"), series({makes("s1"), makes("s2")})}), "ImgTabelOfAnders", two},
      {series({breaks("s1"), breaks("s2")}), "ImgTabelNietNiet", two},
      {series({makes("s1"), sideBySide({makes("s2"), makes("s3")})}), "ImgTabelAlarm", three},
      {series({makes("s1"), makes("s2"), breaks("s3")}), "ImgTabelPers", three},
  };
  // The prediction page shows its circuit without a state until every row is predicted.
  const QStringList predicted{"ImgTabelNietNiet"};
  QList<CircuitFamily> families;
  for (const auto& [switches, prefix, names] : tables) {
    families.append({truthTableCircuit(switches), statesNamed(prefix, names, ".bmp")});
    if (!predicted.contains(prefix)) continue;
    Circuit unpowered = families.last().circuit;
    unpowered.powered = false;
    families.append({unpowered, {{{}, QString(prefix) + "Stroomloos.bmp"}}});
  }
  return families;
}

}  // namespace kwil::media
