#pragma once
// An IFC4 model of `elements` duct elements, as an exporter writes one: ten
// storeys, three systems, straight ducts of both sections extruded from
// their profiles (every fourth through a mapped item), and between each
// pair of ducts a fitting whose ports connect them: bends, tapers,
// square-to-rounds, reducers and junctions in turn. About a kilobyte an
// element, as in models exported from design software with placements,
// owner histories and relationships of their own.
#include <cstddef>
#include <string>

namespace korvane::bench {

inline std::string MakeModel(std::size_t elements) {
  std::string out;
  out.reserve(elements * 1100 + 4096);
  out += "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('ViewDefinition [ReferenceView]'),'2;1');\n"
         "FILE_NAME('generated.ifc','2026-12-10T00:00:00',(''),(''),'bench','bench','');\n"
         "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
         "#1=IFCPROJECT('0GeneratedProject00000',#3,'Generated',$,$,$,$,(#5),#4);\n"
         "#2=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n"
         "#3=IFCOWNERHISTORY(#6,#7,$,.ADDED.,$,$,$,1765324800);\n"
         "#4=IFCUNITASSIGNMENT((#2));\n"
         "#5=IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,#8,$);\n"
         "#8=IFCAXIS2PLACEMENT3D(#9,$,$);\n#9=IFCCARTESIANPOINT((0.,0.,0.));\n"
         "#10=IFCDIRECTION((0.,0.,1.));\n#11=IFCDIRECTION((1.,0.,0.));\n"
         "#12=IFCDIRECTION((-1.,0.,0.));\n#13=IFCDIRECTION((0.,1.,0.));\n"
         "#14=IFCAXIS2PLACEMENT2D(#15,$);\n#15=IFCCARTESIANPOINT((0.,0.));\n";
  constexpr int kStoreys = 10;
  std::size_t id = 100;
  const auto add = [&](const std::string &text) {
    out += '#';
    out += std::to_string(++id);
    out += '=';
    out += text;
    out += ";\n";
    std::string ref(1, '#');
    ref += std::to_string(id);
    return ref;
  };
  const auto guid = [](std::size_t n, char kind) {
    std::string g(1, '\'');
    g += '1';
    g += kind;
    g += std::to_string(n);
    g.resize(23, 'x');
    g += '\'';
    return g;
  };
  const auto point = [&](double x, double y, double z) {
    return add("IFCCARTESIANPOINT((" + std::to_string(x) + "," + std::to_string(y) + "," +
               std::to_string(z) + "))");
  };
  std::string storeys[kStoreys], storeyPlaces[kStoreys], systems[3];
  for (int s = 0; s < kStoreys; ++s) {
    const std::string p =
        add("IFCLOCALPLACEMENT($," +
            add("IFCAXIS2PLACEMENT3D(" + point(0, 0, 3500.0 * s) + ",$,$)") + ")");
    storeyPlaces[s] = p;
    storeys[s] = add("IFCBUILDINGSTOREY(" + guid(static_cast<std::size_t>(s), 'S') + ",#3,'Level " +
                     std::to_string(s) + "',$,$," + p + ",$,$,.ELEMENT.," +
                     std::to_string(3500.0 * s) + ")");
  }
  const char *systemNames[3] = {"Supply Air", "Extract Air", "Fresh Air"};
  for (int s = 0; s < 3; ++s)
    systems[s] = add("IFCDISTRIBUTIONSYSTEM(" + guid(static_cast<std::size_t>(s), 'Y') + ",#3,'" +
                     systemNames[s] + "',$,$,$,.VENTILATION.)");
  const std::size_t perStorey = elements / kStoreys + 1;
  std::string contained, grouped[3];
  int containedStorey = 0;
  const auto contain = [&] {
    if (!contained.empty())
      add("IFCRELCONTAINEDINSPATIALSTRUCTURE(" + guid(id, 'R') + ",#3,$,$,(" + contained + ")," +
          storeys[containedStorey] + ")");
    contained.clear();
  };
  std::size_t n = 0;
  std::string lastPort; // the open end of the last duct
  while (n < elements) {
    const std::size_t run = n / 2;
    const int storey = static_cast<int>(n / perStorey);
    // Round and rectangular runs change over at transitions only.
    const bool round = ((run + 2) / 4) % 2 == 1;
    const double w = 300 + 100.0 * static_cast<double>(run % 7);
    const double h = 200 + 100.0 * static_cast<double>(run % 3);
    const double x = 5000.0 * static_cast<double>(run % 1000);
    if (storey != containedStorey) {
      contain();
      containedStorey = storey;
    }
    // The duct.
    const std::string place = add("IFCLOCALPLACEMENT(" + storeyPlaces[storey] + "," +
                                  add("IFCAXIS2PLACEMENT3D(" + point(x, 0, 0) + ",#10,#11)") + ")");
    const std::string profile =
        round ? add("IFCCIRCLEPROFILEDEF(.AREA.,$,#14," + std::to_string(w / 2) + ")")
              : add("IFCRECTANGLEPROFILEDEF(.AREA.,$,#14," + std::to_string(w) + "," +
                    std::to_string(h) + ")");
    std::string item = add("IFCEXTRUDEDAREASOLID(" + profile + ",#8,#10," +
                           std::to_string(1200.0 + 600.0 * static_cast<double>(run % 4)) + ")");
    if (run % 4 == 0) {
      const std::string map =
          add("IFCREPRESENTATIONMAP(#8," +
              add("IFCSHAPEREPRESENTATION(#5,'Body','SweptSolid',(" + item + "))") + ")");
      item = add("IFCMAPPEDITEM(" + map + "," +
                 add("IFCCARTESIANTRANSFORMATIONOPERATOR3D($,$,#9,1.,$)") + ")");
    }
    const std::string shape =
        add("IFCPRODUCTDEFINITIONSHAPE($,$,(" +
            add("IFCSHAPEREPRESENTATION(#5,'Body','SweptSolid',(" + item + "))") + "," +
            add("IFCSHAPEREPRESENTATION(#5,'Axis','Curve3D',(" +
                add("IFCPOLYLINE((#9," + point(0, 0, 1200) + "))") + "))") +
            "))");
    const std::string duct =
        add("IFCDUCTSEGMENT(" + guid(n, 'D') + ",#3,'Duct " + std::to_string(static_cast<int>(w)) +
            "',$,$," + place + "," + shape + ",$,.RIGIDSEGMENT.)");
    contained += (contained.empty() ? "" : ",") + duct;
    grouped[run % 3] += (grouped[run % 3].empty() ? "" : ",") + duct;
    const auto port = [&](const std::string &owner, const std::string &rel, double px, double py,
                          const char *dir) {
      const std::string p =
          add("IFCDISTRIBUTIONPORT(" + guid(id, 'P') + ",#3,$,$,$," +
              add("IFCLOCALPLACEMENT(" + rel + "," +
                  add("IFCAXIS2PLACEMENT3D(" + point(px, py, 0) + "," + dir + ",$)") + ")") +
              ",$,.SOURCEANDSINK.,.DUCT.,.VENTILATION.)");
      add("IFCRELNESTS(" + guid(id, 'N') + ",#3,$,$," + owner + ",(" + p + "))");
      return p;
    };
    const std::string in = port(duct, place, 0, 0, "#12");
    const std::string outPort = port(duct, place, 0, 1200, "#11");
    if (!lastPort.empty())
      add("IFCRELCONNECTSPORTS(" + guid(id, 'C') + ",#3,$,$," + lastPort + "," + in + ",$)");
    ++n;
    if (n >= elements)
      break;
    // The fitting after it.
    static const char *const kinds[4] = {"BEND", "TRANSITION", "JUNCTION", "BEND"};
    const char *kind = kinds[run % 4];
    const std::string fplace = add("IFCLOCALPLACEMENT(" + place + "," +
                                   add("IFCAXIS2PLACEMENT3D(" + point(0, 0, 1200) + ",$,$)") + ")");
    const std::string fitting = add("IFCDUCTFITTING(" + guid(n, 'F') + ",#3,'Fitting',$,$," +
                                    fplace + ",$,$,." + kind + ".)");
    contained += "," + fitting;
    grouped[run % 3] += "," + fitting;
    const std::string a = port(fitting, fplace, 0, 0, "#12");
    add("IFCRELCONNECTSPORTS(" + guid(id, 'C') + ",#3,$,$," + outPort + "," + a + ",$)");
    lastPort = port(fitting, fplace, kind[0] == 'B' ? 500 : 600, kind[0] == 'B' ? 500 : 0,
                    kind[0] == 'B' ? "#13" : "#11");
    if (kind[0] == 'J')
      port(fitting, fplace, 300, 300, "#13");
    ++n;
  }
  contain();
  for (int s = 0; s < 3; ++s)
    if (!grouped[s].empty())
      add("IFCRELASSIGNSTOGROUP(" + guid(static_cast<std::size_t>(s), 'G') + ",#3,$,$,(" +
          grouped[s] + "),$," + systems[s] + ")");
  out += "ENDSEC;\nEND-ISO-10303-21;\n";
  return out;
}

// A hostile model of `elements` duct segments that all share one body and
// one type, each listing `items` entries: read element by element without
// care, it costs elements x items.
inline std::string MakeSharedModel(std::size_t elements, std::size_t items) {
  std::string out = "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
                    "#1=IFCPROJECT('p',$,$,$,$,$,$,$,#4);\n"
                    "#2=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n#4=IFCUNITASSIGNMENT((#2));\n"
                    "#10=IFCPRODUCTDEFINITIONSHAPE($,$,(#11));\n"
                    "#11=IFCSHAPEREPRESENTATION(#5,'Body','SweptSolid',(";
  std::string list;
  for (std::size_t i = 0; i < items; ++i)
    list += i == 0 ? "#9" : ",#9";
  out += list + "));\n#20=IFCDUCTSEGMENTTYPE('t',$,$,$,$,(" + list + "),$,$,$,.RIGIDSEGMENT.);\n";
  std::string typed;
  for (std::size_t i = 0; i < elements; ++i) {
    std::string id(1, '#');
    id += std::to_string(100 + i);
    out += id;
    out += "=IFCDUCTSEGMENT('";
    out += std::to_string(i);
    out += "',$,$,$,$,$,#10,$,.RIGIDSEGMENT.);\n";
    typed += (i == 0 ? "" : ",") + id;
  }
  out += "#21=IFCRELDEFINESBYTYPE('r',$,$,$,(" + typed + "),#20);\nENDSEC;\nEND-ISO-10303-21;\n";
  return out;
}

} // namespace korvane::bench
