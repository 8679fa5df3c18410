#include "course/FigureDescriptions.h"

#include <cstring>

namespace kavenor {

namespace {

struct Description {
  const char* window;
  const char* sentence;
};

// clang-format off
constexpr Description kDescriptions[] = {
  {"FH11", "Round grains of different sizes lie packed at random in a box, with the pores between them."},
  {"FH12", "Sand is sprinkled into a measuring cylinder of water until a layer has settled, and each shake packs it denser, so its surface sinks while the water stays at its level."},
  {"FH13", "Sand is sprinkled into a measuring cylinder of water, with marks beside it for the first and the present water level, the sand surface and the bottom, and labels for the volumes of the soil and of its particles."},
  {"FH14", "A wet soil sample, yellow speckled with blue water, stands in a container on a hot plate, and while the heater is on the blue specks turn yellow as the sample dries."},
  {"FH21", "A cross-section of a soil layer under a load on its surface, with the phreatic line and the water in the pores below it."},
  {"FH22", "Sand settles in a measuring cylinder of water, and a few quick shakes pack it denser while the water level stays where it is."},
  {"FH23", "A measuring cylinder holds a layer of sand under water, and filling raises the water level while the sand surface stays where it is."},
  {"FH24", "A rectangular block rests under water, pressed on all its faces by the water around it."},
  {"FH25", "Water stands over a layer of sand, with red arrows for the height h of the water above the bottom and the thickness d of the sand."},
  {"FH31", "Drops fall into an inflow basin, the water runs through a pipe down through a soil sample in a closed container and up into an outflow basin, and from its spout into a measuring vessel that slowly fills."},
  {"FH32", "A person stands on sand in a container joined by a pipe to a water reservoir, which rises step by step beside two diagrams of the total stress and the pore pressure, until the person sinks into the quicksand."},
  {"FH33", "The flow apparatus of Darcy's experiment, with a soil sample of two layers in series through which the same water flows."},
  {"FH34", "A cross-section of a round island, where a sand aquifer between two impermeable layers is surrounded by a lake and a well in the centre is pumped, its water level drawn down below the lake."},
  {"FH35", "A cross-section of a clay layer between two sand layers, where the water in a standpipe from the lower sand stands higher than the groundwater above, so water flows up through the clay."},
  {"FH41", "An option box chooses between the oedometer apparatus for one-dimensional compression and its test result on a linear or on a logarithmic stress scale."},
  {"FH42", "An option box chooses between the oedometer apparatus and a test result on a linear stress scale, in which two short chords of the curve show a stiffness growing with the stress."},
  {"FH43", "The creep deformation of a soil under constant load against time, on a linear scale of days or on a logarithmic one where it is a straight line."},
  {"FH44", "A clay layer drained at its top and bottom, in which the blue area of excess pore pressure shrinks over the depth as consolidation goes on."},
  {"FH45", "The same consolidating clay layer, in which the blue area of excess pore pressure shrinks over the depth as time goes on."},
  {"FH51", "A soil element under its principal stresses, the same element turning with the normal and shear stresses on its faces, and Mohr's circle on which its two stress points and the pole turn with it."},
  {"FH52", "A small triangle of soil with its inclined face at 30 degrees, the stress components on its vertical and horizontal faces, and the normal and shear stress on the inclined face."},
  {"FH53", "A triaxial apparatus is put together part by part, from the soil sample to the cell filled with water and the piston, which finally compresses the sample while a force gauge turns its needle."},
  {"FH54", "Two drained triaxial tests at different cell pressures draw two families of growing Mohr circles, and the red failure line touches the two circles at failure."},
  {"FH55", "Two undrained triaxial tests draw growing Mohr circles of effective stress, shifted to the left by the pore pressure, and the red failure line touches the two circles at failure."},
  {"FH61", "A half space of soil loaded by a point load P on its surface."},
  {"FH62", "A strip load on the surface of a soil of three horizontal layers."},
  {"FH63", "A soil element below a horizontal ground surface, and a Mohr diagram in which the stress circles touch the two straight failure lines of a soil with cohesion and friction."},
  {"FH64", "A retaining wall moves away from the soil and a wedge behind it slides down along a straight slip line, with arrows for its weight, the forces on the slip line and the force from the wall."},
  {"FH65", "A retaining wall is pushed into the soil and a wedge behind it is pushed up along a flatter slip line, with arrows for its weight, the forces on the slip line and the force from the wall."},
  {"FH66", "A cross-section of an anchored sheet pile wall holding back soil and groundwater on one side, with an excavation holding water on the other."},
  {"FH71", "A strip load on the surface of a soil of two layers grows step by step, its load arrows growing longer."},
  {"FH72", "A uniform vertical strip load on the soil surface between two zones of surcharge."},
  {"FH73", "A strip load with an inclined resultant on the soil surface between two zones of surcharge."},
  {"FH74", "A small rig on the ground pushes a string of steel rods with a cone at its tip into the soil rod by rod, while one worker fetches the next rod and another holds the rig, until the cone reaches the lower layer."},
  {"FH75", "A cone penetration test result, the cone resistance against the depth, low in the upper layers and jumping to about 15 MPa at about 16 m, the top of a sand layer."},
  {"FH76", "A centrifuge seen at a slant, a red arm turning on a silver shaft with a basket at each end that swings further out the faster it turns, set with a scroll bar from slow to fast."},
};
// clang-format on

constexpr ControlName kControlNames[] = {
  {"FH76", "ScrollbarRotation", "Speed of the centrifuge, from slow to fast"},
};

}  // namespace

std::span<const ControlName> ControlNames() { return kControlNames; }

const char* FigureDescription(const char* window) {
  for (const Description& d : kDescriptions)
    if (std::strcmp(d.window, window) == 0) return d.sentence;
  return nullptr;
}

}  // namespace kavenor
