"""Every command of the Vortal Kestrova helicopter that has a keyboard binding.

Each section is one category of the binding table. A section either stands for itself (its name is the
display category) or gives each of its bindings a finer panel category (the table of finer panels).

Row format:   modifiers and key  |  command name  |  action
  modifiers:  LCtrl LShift RCtrl LAlt RAlt RShift LWin, written before the key, in reformer order
  key:        the layout character ("Q", "'", "\\") or a key-name word ("PageDown", "Num5", "F11")
  action:     how the simulator receives the key
                t  toggle or one-shot        down
                m  momentary button          down, up
                h  continuous while held     pressed
                r  continuous, with stop     pressed, up
                s  start, continue, stop     down, pressed, up
"""

from dataclasses import dataclass, field


@dataclass
class Section:
    category: str               # the binding table's category
    is_panel: bool              # a cockpit panel that gets a picture (for plain sections)
    panels: dict = field(default_factory=dict)   # finer panel category -> rows text
    rows: str = ""              # rows of a plain section


SECTIONS = []


def plain(category, rows, is_panel=False):
    SECTIONS.append(Section(category, is_panel, rows=rows))


def refined(category, panels):
    SECTIONS.append(Section(category, True, panels=panels))


# ---------------------------------------------------------------------------------------------
# Simulation, views and other commands that have no cockpit control
# ---------------------------------------------------------------------------------------------

plain("General", """
LCtrl Z             | Time accelerate                            | t
LAlt Z              | Time decelerate                            | t
LShift Z            | Time normal                                | t
RCtrl Z             | Time accelerate fast                       | t
Pause               | Pause                                      | t
LShift Pause        | Active pause                               | t
RShift Pause        | Pause with blackout                        | t
LCtrl LAlt Pause    | Simulation step one frame                  | t
Esc                 | Quit mission menu                          | t
LShift LCtrl Esc    | Quit to desktop                            | t
SysRq               | Screenshot                                 | m
LCtrl SysRq         | Screenshot without interface               | t
LAlt Enter          | Full screen toggle                         | t
RAlt Enter          | Window mode toggle                         | t
RCtrl Enter         | Controls indicator                         | t
RCtrl Pause         | Frame rate counter                         | t
LCtrl Pause         | Resource monitor                           | t
LCtrl S             | Sound on/off                               | t
LCtrl LShift S      | Sound volume increase                      | t
LAlt LShift S       | Sound volume decrease                      | t
LCtrl M             | Music on/off                               | t
LShift LCtrl M      | Music next track                           | t
B                   | Mission briefing                           | t
LShift B            | Mission goals                              | t
RCtrl M             | Mission message log                        | t
J                   | Jump into other aircraft                   | t
RCtrl J             | Jump into selected unit                    | t
LCtrl Y             | Info bar toggle                            | t
LShift LAlt Y       | Info bar units toggle                      | t
LCtrl LShift Y      | Info bar detail toggle                     | t
RShift K            | Kneeboard toggle                           | t
RShift [            | Kneeboard previous page                    | m
RShift ]            | Kneeboard next page                        | m
RCtrl K             | Kneeboard mark position                    | m
K                   | Kneeboard glance                           | m
LAlt '              | Kneeboard shortcut pages                   | t
LCtrl H             | Hints toggle                               | t
LShift H            | Training messages toggle                   | t
LCtrl LAlt Z        | Subtitles toggle                           | t
LShift Q            | Recover aircraft                           | t
LAlt Q              | Aircraft status report                     | t
LWin LShift Z       | Record voice note                          | m
""")

plain("View", """
F1                  | Cockpit view                               | t
LCtrl F1            | Natural head movement view                 | t
LAlt F1             | HUD only view                              | t
F2                  | Aircraft view                              | t
LCtrl F2            | Own aircraft view toggle                   | t
LAlt F2             | Player aircraft view                       | t
F3                  | Fly-by view                                | t
LShift F3           | Fly-by jump view                           | t
F4                  | Chase view                                 | t
LShift F4           | Chase view reverse                         | t
F5                  | Air traffic view                           | t
LCtrl F5            | Nearest aircraft view                      | t
F6                  | Weapon view                                | t
LCtrl F6            | Last weapon view                           | t
LShift F6           | Weapon to target view                      | t
F7                  | Ground units view                          | t
LShift F7           | Naval units view                           | t
F8                  | Target view                                | t
LCtrl F8            | Ground target view                         | t
F9                  | Ship view                                  | t
LAlt F9             | Landing pad view                           | t
F10                 | Theater map view                           | t
LCtrl F10           | Map jump to own aircraft                   | t
F11                 | Airport free camera                        | t
LCtrl F11           | Free camera                                | t
F12                 | Static objects view                        | t
LCtrl F12           | Trajectory view                            | t
LAlt F12            | Civil traffic view                         | t
Num8                | View up slow                               | r
Num2                | View down slow                             | r
Num4                | View left slow                             | r
Num6                | View right slow                            | r
Num7                | View up left slow                          | r
Num9                | View up right slow                         | r
Num1                | View down left slow                        | r
Num3                | View down right slow                       | r
Num5                | View center                                | t
Num*                | Zoom in slow                               | r
Num/                | Zoom out slow                              | r
LCtrl Num*          | Zoom in                                    | r
LCtrl Num/          | Zoom out                                   | r
LShift Num*         | Zoom in fast                               | h
LShift Num/         | Zoom out fast                              | h
Num0                | Zoom normal                                | t
Num+                | External zoom in                           | h
Num-                | External zoom out                          | h
LCtrl Num+          | External zoom in fast                      | h
LCtrl Num-          | External zoom out fast                     | h
LShift Num+         | External zoom in slow                      | h
LShift Num-         | External zoom out slow                     | h
LAlt Num5           | External view center                       | t
LCtrl Num5          | View reset to default                      | t
LAlt C              | Mouse look toggle                          | t
RShift P            | Pilot body toggle                          | t
RCtrl P             | Pilot body arms only                       | t
=                   | Next unit view                             | t
-                   | Previous unit view                         | t
LCtrl =             | Next unit of same coalition                | t
LCtrl -             | Previous unit of same coalition            | t
LShift =            | Next unit of other coalition               | t
LShift -            | Previous unit of other coalition           | t
LAlt =              | Camera speed increase                      | t
LAlt -              | Camera speed decrease                      | t
LCtrl LAlt =        | Camera speed reset                         | t
NumLock             | View hold                                  | m
CapsLock            | Zoom hold                                  | m
LCtrl NumLock       | Camera follow target toggle                | t
LShift F12          | Camera horizon lock                        | t
LShift F11          | Camera to terrain position                 | t
LAlt F11            | Camera free flight speed mode              | t
LShift F1           | Cockpit view stabilization                 | t
""")

plain("View Cockpit", """
LWin Num8           | Snap view up                               | m
LWin Num2           | Snap view down                             | m
LWin Num4           | Snap view left                             | m
LWin Num6           | Snap view right                            | m
LWin Num7           | Snap view up left                          | m
LWin Num9           | Snap view up right                         | m
LWin Num1           | Snap view down left                        | m
LWin Num3           | Snap view down right                       | m
LWin Num5           | Snap view center                           | m
LWin Num0           | Snap view save                             | t
LWin Num.           | Snap view default                          | t
RShift Num8         | Head move up                               | r
RShift Num2         | Head move down                             | r
RShift Num4         | Head move left                             | r
RShift Num6         | Head move right                            | r
RCtrl Num8          | Head move forward                          | r
RCtrl Num2          | Head move back                             | r
RShift Num5         | Head position reset                        | t
RCtrl Num5          | Head position save                         | t
LAlt Num4           | Glance left                                | m
LAlt Num6           | Glance right                               | m
LAlt Num8           | Glance up                                  | m
LAlt Num2           | Glance down                                | m
LAlt Num1           | Glance left down                           | m
LAlt Num3           | Glance right down                          | m
LAlt Num7           | Glance left back                           | m
LAlt Num9           | Glance right back                          | m
RCtrl T             | Head tracker recenter                      | t
LWin Insert         | Head tracker on/off                        | t
LShift Num5         | Cockpit view center fast                   | t
LAlt Num*           | Cockpit zoom in                            | r
LAlt Num/           | Cockpit zoom out                           | r
LAlt Num0           | Cockpit zoom normal                        | t
LWin Num*           | Cockpit zoom in fast                       | h
LWin Num/           | Cockpit zoom out fast                      | h
RCtrl Num4          | Head tilt left                             | r
RCtrl Num6          | Head tilt right                            | r
RShift Num7         | Head turn left fast                        | h
RShift Num9         | Head turn right fast                       | h
RCtrl Num0          | Cockpit lean forward                       | m
RShift Num0         | Cockpit lean aside                         | m
LCtrl LWin Num+     | Cockpit field of view increase             | h
LCtrl LWin Num-     | Cockpit field of view decrease             | h
""")

plain("View Extended", """
Num.                | Padlock toggle                             | t
LCtrl Num.          | Padlock terrain point                      | t
LAlt Num.           | Padlock last target                        | t
LShift Num.         | Padlock all units                          | t
RShift Num.         | Padlock release                            | t
RCtrl Num.          | Padlock next target                        | t
LWin F2             | Aircraft view from behind                  | t
LWin F3             | Fly-by view from the ground                | t
LWin F4             | Chase view from above                      | t
LWin F6             | Weapon view from the side                  | t
LWin F8             | Target view from the launcher              | t
RCtrl Num1          | External camera rotate left                | r
RCtrl Num3          | External camera rotate right               | r
RCtrl Num7          | External camera rotate up                  | r
RCtrl Num9          | External camera rotate down                | r
RShift Num1         | External camera move left                  | h
RShift Num3         | External camera move right                 | h
LCtrl LWin Num8     | External camera move forward               | h
LCtrl LWin Num2     | External camera move back                  | h
LCtrl LWin Num5     | External camera lock                       | t
LCtrl LWin Num4     | External camera orbit left                 | h
LCtrl LWin Num6     | External camera orbit right                | h
LWin F10            | Map view of cockpit kneeboard              | t
LWin F11            | Free camera at terrain level               | t
""")

plain("Flight Control", """
Up                  | Cyclic forward                             | r
Down                | Cyclic back                                | r
Left                | Cyclic left                                | r
Right               | Cyclic right                               | r
Z                   | Pedal left                                 | r
X                   | Pedal right                                | r
PageUp              | Collective increase                        | h
PageDown            | Collective decrease                        | h
LShift PageUp       | Collective increase fast                   | h
LShift PageDown     | Collective decrease fast                   | h
T                   | Trimmer                                    | m
LCtrl T             | Trimmer reset                              | m
RCtrl ;             | Trim cyclic forward                        | s
RCtrl .             | Trim cyclic back                           | s
RCtrl ,             | Trim cyclic left                           | s
RCtrl /             | Trim cyclic right                          | s
RCtrl '             | Trim pedals neutral                        | s
W                   | Wheel brake                                | m
LCtrl W             | Wheel brake lock                           | t
LAlt T              | Pedal trim release                         | m
LShift T            | Trimmer mode toggle                        | t
RShift Z            | Pedal left fast                            | r
RShift X            | Pedal right fast                           | r
LCtrl Up            | Cyclic forward hard                        | h
LCtrl Down          | Cyclic back hard                           | h
LCtrl Left          | Cyclic left hard                           | h
LCtrl Right         | Cyclic right hard                          | h
LAlt PageUp         | Collective friction increase               | h
LAlt PageDown       | Collective friction decrease               | h
LAlt X              | Collective lock                            | t
""")

plain("Communications Menu", """
\\                   | Communication menu                         | t
LShift \\            | Communication menu previous page           | t
LCtrl \\             | Communication menu close                   | t
LAlt \\              | Communication menu to wingman              | t
LWin \\              | Voice command                              | m
RAlt F1             | Communication menu item 1                  | m
RAlt F2             | Communication menu item 2                  | m
RAlt F3             | Communication menu item 3                  | m
RAlt F4             | Communication menu item 4                  | m
RAlt F5             | Communication menu item 5                  | m
RAlt F6             | Communication menu item 6                  | m
RAlt F7             | Communication menu item 7                  | m
RAlt F8             | Communication menu item 8                  | m
RAlt F9             | Communication menu item 9                  | m
RAlt F10            | Communication menu item 10                 | m
RAlt F11            | Communication menu item 11                 | m
RAlt F12            | Communication menu item 12                 | m
RAlt \\              | Radio push to talk                         | m
""")

plain("Track Replay", """
LCtrl LAlt R        | Track recording start/stop                 | t
LCtrl LAlt P        | Track replay pause                         | t
LCtrl LAlt Right    | Track replay forward                       | m
LCtrl LAlt Left     | Track replay backward                      | m
LCtrl LAlt Up       | Track replay faster                        | m
LCtrl LAlt Down     | Track replay slower                        | m
LCtrl LAlt T        | Take control in track                      | t
LCtrl LAlt Home     | Track replay to start                      | t
LCtrl LAlt End      | Track replay to end                        | t
LCtrl LAlt C        | Track chapter mark                         | t
LCtrl LAlt N        | Track next chapter                         | t
LCtrl LAlt B        | Track previous chapter                     | t
LCtrl LAlt Space    | Track replay step frame                    | t
LCtrl LAlt I        | Track info overlay                         | t
""")

plain("Labels", """
LShift F10          | Labels all                                 | t
LShift F2           | Labels aircraft                            | t
LShift F5           | Labels missiles                            | t
LShift F8           | Labels ground units                        | t
LShift F9           | Labels ships                               | t
LCtrl LShift F10    | Labels distance toggle                     | t
LAlt F10            | Labels coalition colors                    | t
LCtrl LShift F2     | Labels own group only                      | t
""")

plain("Multiplayer", """
Tab                 | Chat to all                                | t
LCtrl Tab           | Chat to coalition                          | t
LShift Tab          | Chat to group                              | t
`                   | Chat log                                   | t
LShift `            | Chat log scroll up                         | t
LCtrl `             | Chat log scroll down                       | t
LAlt LShift `       | Chat log clear                             | t
LAlt `              | Player list                                | t
RCtrl `             | Score board                                | t
RShift Tab          | Voice chat menu                            | t
RCtrl V             | Voice chat push to talk                    | m
RCtrl RShift V      | Voice chat radio mode toggle               | t
LCtrl Back          | Choose slot                                | t
LShift Back         | Choose coalition                           | t
LAlt Back           | Server information                         | t
""")

# ---------------------------------------------------------------------------------------------
# Cockpit panels that are a category of their own
# ---------------------------------------------------------------------------------------------

plain("Autopilot", is_panel=True, rows="""
A                   | Autopilot bank hold                        | m
H                   | Autopilot heading hold                     | m
P                   | Autopilot pitch hold                       | m
Y                   | Autopilot yaw hold                         | m
LAlt A              | Autopilot altitude hold                    | m
LShift A            | Autopilot route mode                       | m
LCtrl A             | Autopilot descent mode                     | m
LShift LAlt A       | Autopilot hover hold                       | m
F                   | Flight director                            | m
RShift A            | Autopilot heading track mode               | t
LAlt R              | Autopilot radar altitude mode              | t
LAlt H              | Autopilot barometric altitude mode         | t
LCtrl LShift A      | Autopilot disengage                        | m
LAlt LCtrl A        | Autopilot attitude hold                    | m
RCtrl A             | Autopilot channels test                    | m
LAlt P              | Autopilot pitch trim increase              | t
LShift P            | Autopilot pitch trim decrease              | t
""")

plain("Countermeasures", is_panel=True, rows="""
Insert              | Flare dispense                             | m
Delete              | Chaff dispense                             | m
LShift Insert       | Countermeasures program select             | t
LCtrl Insert        | Countermeasures mode auto/manual           | t
RShift Insert       | Countermeasures dispenser on/off           | t
LAlt Insert         | Flare salvo                                | m
LAlt Delete         | Chaff salvo                                | m
RCtrl Insert        | Infrared jammer on/off                     | t
RCtrl Delete        | Countermeasures stop dispensing            | m
LCtrl Delete        | Countermeasures series increase            | t
LShift Delete       | Countermeasures series decrease            | t
RShift Delete       | Countermeasures interval select            | t
RAlt Insert         | Countermeasures lamps test                 | m
RAlt Delete         | Countermeasures program reset              | t
Q                   | Countermeasures program start              | m
""")

plain("Datalink", is_panel=True, rows="""
1                   | Datalink wingman 1                         | m
2                   | Datalink wingman 2                         | m
3                   | Datalink wingman 3                         | m
4                   | Datalink wingman 4                         | m
5                   | Datalink all wingmen                       | m
6                   | Datalink target vehicle                    | m
7                   | Datalink target air defence                | m
8                   | Datalink target other                      | m
9                   | Datalink ingress point                     | m
0                   | Datalink send/memory                       | m
RShift -            | Datalink erase                             | m
RShift =            | Datalink mode select                       | m
RShift `            | Datalink self ID select                    | m
RCtrl RShift D      | Datalink power on/off                      | t
RAlt RShift D       | Datalink escape                            | m
RCtrl RAlt D        | Datalink reply                             | m
""")

plain("Cockpit Mechanics", is_panel=True, rows="""
LCtrl C             | Canopy open/close                          | t
LCtrl LShift C      | Canopy lock                                | t
RShift C            | Seat height up                             | m
LAlt LShift C       | Seat height down                           | m
LAlt W              | Windshield wiper                           | t
LShift W            | Windshield washer                          | m
LCtrl LShift W      | Wiper speed select                         | t
RShift W            | Mirrors toggle                             | t
RAlt V              | Sun visor up/down                          | t
RCtrl RShift C      | Parking brake handle                       | t
U                   | Cockpit fan on/off                         | t
""")

plain("Radar Warning Receiver", is_panel=True, rows="""
RShift R            | RWR power on/off                           | t
RShift RCtrl R      | RWR mode select                            | t
RShift ;            | RWR brightness increase                    | t
RShift '            | RWR brightness decrease                    | t
RShift ,            | RWR volume decrease                        | t
RShift .            | RWR volume increase                        | t
RShift /            | RWR self test                              | m
RShift M            | RWR threat memory                          | t
'                   | RWR audio mute                             | t
""")

plain("Clock", is_panel=True, rows="""
RAlt 1              | Chronometer start/stop                     | m
RAlt 2              | Chronometer reset                          | m
RAlt 3              | Clock set knob pull                        | m
RAlt 4              | Clock flight time                          | t
RAlt 5              | Clock lighting                             | t
S                   | Stopwatch lap                              | m
""")

plain("Signal Flares", is_panel=True, rows="""
RAlt 6              | Signal flare red                           | m
RAlt 7              | Signal flare green                         | m
RAlt 8              | Signal flare white                         | m
RAlt 9              | Signal flare yellow                        | m
RAlt 0              | Signal flares power                        | t
""")

# ---------------------------------------------------------------------------------------------
# Categories whose bindings sit on finer cockpit panels
# ---------------------------------------------------------------------------------------------

refined("Systems", {
    "Electrical Power Controls": """
LShift LCtrl Q      | Batteries power                            | t
LShift LCtrl E      | Ground power                               | t
LShift LCtrl R      | Generator left                             | t
LShift LCtrl T      | Generator right                            | t
LShift LCtrl U      | Inverter auto/manual                       | t
LShift LCtrl I      | Emergency power switch cover               | t
""",
    "Fuel System Panel": """
LShift LCtrl F      | Fuel pump forward tank                     | t
LShift LCtrl G      | Fuel pump aft tank                         | t
LShift LCtrl H      | Fuel pump external tanks                   | t
LShift LCtrl J      | Fuel shutoff valve left engine             | t
LShift LCtrl K      | Fuel shutoff valve right engine            | t
LShift LCtrl ;      | Fuel quantity test                         | m
""",
    "Hydraulic System Panel": """
LShift LCtrl Z      | Hydraulic main system                      | t
LShift LCtrl X      | Hydraulic common system                    | t
""",
    "Engine Start Panel": """
Home                | Engine start                               | m
End                 | Engine stop                                | m
LShift Home         | Engine start mode select                   | t
LCtrl Home          | Engine select left/right                   | t
RCtrl Home          | Engine start abort                         | m
""",
    "Engine Governor Panel": """
LCtrl PageUp        | Throttle increase                          | h
LCtrl PageDown      | Throttle decrease                          | h
RCtrl End           | Governor left engine auto/manual           | t
RShift End          | Governor right engine auto/manual          | t
LAlt End            | Engine overspeed test                      | m
""",
    "APU Control Panel": """
RAlt Home           | APU start                                  | m
RAlt End            | APU stop                                   | m
RAlt PageUp         | APU start mode select                      | t
RAlt PageDown       | APU fuel valve                             | t
""",
    "Fire Extinguisher & Test - Panel": """
LShift LAlt 1       | Fire extinguisher left engine              | m
LShift LAlt 2       | Fire extinguisher right engine             | m
LShift LAlt 3       | Fire extinguisher APU                      | m
LShift LAlt 4       | Fire extinguisher cover                    | t
LShift LAlt 5       | Fire detector test                         | m
""",
    "Anti-Icing Panel": """
LShift LCtrl O      | Rotor de-icing                             | t
LShift LCtrl P      | Engine anti-icing                          | t
LShift LCtrl [      | Windshield heating                         | t
LShift LCtrl ]      | Pitot heating                              | t
""",
    "Environmental Control Panel": """
LShift LCtrl N      | Ventilation fan                            | t
LShift LCtrl B      | Cabin air conditioning                     | t
LShift LCtrl V      | Cabin temperature select                   | t
""",
    "Landing Gear Panel": """
G                   | Landing gear up/down                       | t
LCtrl G             | Landing gear up                            | t
LAlt G              | Landing gear down                          | t
LShift G            | Gear emergency extension                   | t
""",
    "Rotor Brake Panel": """
R                   | Rotor brake                                | t
RCtrl R             | Rotor brake release                        | t
""",
})

refined("Lights", {
    "Exterior Lights Panel": """
LAlt L              | Navigation lights                          | t
LShift L            | Anti-collision light                       | t
RShift L            | Formation lights                           | t
LCtrl L             | Tip lights                                 | t
RAlt L              | Navigation lights brightness               | t
""",
    "Interior Lights Panel": """
RCtrl L             | Cockpit lights                             | t
LCtrl LAlt L        | Instrument lights brightness increase      | t
LCtrl LShift L      | Instrument lights brightness decrease      | t
LShift LAlt L       | Console backlight                          | t
""",
    "Landing Light Controls": """
RCtrl Up            | Landing light retract                      | r
RCtrl Down          | Landing light extend                       | r
L                   | Landing light on/off                       | t
RShift Down         | Landing light main/reserve                 | t
""",
})

refined("Radio", {
    "VHF Radio Panel": """
LShift LCtrl 1      | VHF radio power                            | t
LShift LCtrl 2      | VHF squelch                                | t
LShift LCtrl 3      | VHF channel increase                       | t
LShift LCtrl 4      | VHF channel decrease                       | t
""",
    "UHF Radio Panel": """
LShift LCtrl 6      | UHF radio power                            | t
LShift LCtrl 7      | UHF squelch                                | t
LShift LCtrl 8      | UHF preset increase                        | t
LShift LCtrl 9      | UHF preset decrease                        | t
""",
    "Intercom Panel": """
LShift LCtrl 0      | Intercom radio selector                    | t
LShift LCtrl -      | Intercom volume decrease                   | t
LShift LCtrl =      | Intercom volume increase                   | t
LShift LCtrl `      | Intercom hot microphone                    | t
""",
    "IFF Transponder Panel": """
LShift LCtrl ,      | IFF power                                  | t
LShift LCtrl .      | IFF mode select                            | t
I                   | IFF interrogate                            | m
""",
})

refined("Navigation", {
    "Navigation Computer Keypad": """
RCtrl 1             | Keypad 1                                   | m
RCtrl 2             | Keypad 2                                   | m
RCtrl 3             | Keypad 3                                   | m
RCtrl 4             | Keypad 4                                   | m
RCtrl 5             | Keypad 5                                   | m
RCtrl 6             | Keypad 6                                   | m
RCtrl 7             | Keypad 7                                   | m
RCtrl 8             | Keypad 8                                   | m
RCtrl 9             | Keypad 9                                   | m
RCtrl 0             | Keypad 0                                   | m
RCtrl Back          | Keypad clear                               | m
RCtrl =             | Keypad enter                               | m
""",
    "ADF Panel": """
RAlt N              | ADF power                                  | t
RAlt B              | ADF inner/outer beacon                     | t
RAlt M              | ADF compass/antenna mode                   | t
""",
    "Doppler Navigator Panel": """
RAlt D              | Doppler navigator power                    | t
RAlt T              | Doppler navigator test                     | m
RAlt Y              | Doppler land/sea mode                      | t
""",
    "Heading & Course - Panel": """
RAlt ,              | Course selector decrease                   | t
RAlt .              | Course selector increase                   | t
RAlt /              | Heading set to course                      | m
""",
})

refined("Weapons", {
    "Weapon Control Panel": """
Space               | Weapon release                             | m
D                   | Weapon station select                      | m
LShift D            | Weapon release quantity select             | t
LCtrl D             | Weapon fire rate select                    | t
LAlt D              | Weapon burst length select                 | t
RCtrl D             | Weapon training mode                       | t
""",
    "Gun Mode Panel": """
C                   | Gun select                                 | t
LShift C            | Gun high/low rate                          | t
RAlt G              | Gun fixed/movable                          | t
""",
    "Rocket Pod Controls": """
LShift V            | Rocket salvo size select                   | t
V                   | Rocket pod select                          | t
LAlt V              | Rocket fuse select                         | t
""",
    "Missile Launcher Controls": """
LCtrl N             | Missile launcher power                     | t
LShift N            | Missile guidance unit on/off               | t
LAlt N              | Missile launch override                    | m
RCtrl N             | Missile launcher test                      | m
""",
    "Emergency Jettison Panel": """
LCtrl LAlt J        | Jettison switch cover                      | t
LCtrl J             | Emergency jettison                         | m
LShift J            | Selective jettison                         | m
""",
    "Master Arm Panel": """
M                   | Master arm                                 | t
LCtrl LAlt M        | Master arm cover                           | t
LShift LAlt M       | Armament check                             | m
""",
})

refined("Sensors", {
    "Targeting Sight Controls": """
O                   | Targeting sight on/off                     | t
Enter               | Target lock                                | m
Back                | Target unlock                              | t
;                   | Sight slew up                              | r
.                   | Sight slew down                            | r
,                   | Sight slew left                            | r
/                   | Sight slew right                           | r
[                   | Sight field of view wide                   | t
""",
    "Laser Rangefinder Panel": """
LCtrl O             | Laser rangefinder on/off                   | t
LShift O            | Laser designator mode select               | t
RShift O            | Laser code select                          | t
""",
    "Night Vision Goggles Panel": """
N                   | Night vision goggles on/off                | t
RShift H            | Night vision gain increase                 | t
RShift J            | Night vision gain decrease                 | t
""",
})

refined("Displays", {
    "Head-Up Display Panel": """
RCtrl H             | HUD mode select                            | t
RAlt H              | HUD brightness increase                    | t
RAlt J              | HUD brightness decrease                    | t
RCtrl [             | HUD filter                                 | t
RCtrl ]             | HUD declutter                              | t
""",
    "Helmet Sight Panel": """
RAlt O              | Helmet sight on/off                        | t
RAlt [              | Helmet sight brightness decrease           | t
RAlt ]              | Helmet sight brightness increase           | t
""",
    "Multifunction Display Controls": """
RShift F1           | Multifunction display map mode             | m
RShift F2           | Multifunction display sight mode           | m
RShift F3           | Multifunction display systems mode         | m
RShift F5           | Multifunction display brightness increase  | t
RShift F6           | Multifunction display brightness decrease  | t
""",
    "Moving Map Panel": """
RShift F7           | Moving map scale increase                  | t
RShift F8           | Moving map scale decrease                  | t
RShift F9           | Moving map north up/track up               | t
""",
})

refined("Warning", {
    "Master Caution Panel": """
LShift LAlt W       | Master caution reset                       | m
LShift LAlt T       | Warning lamps test                         | m
LShift LAlt D       | Caution panel day/night                    | t
""",
    "Voice Warning Panel": """
LShift LAlt V       | Voice warning on/off                       | t
LShift LAlt R       | Voice warning repeat                       | m
LShift LAlt X       | Voice warning emergency override           | t
""",
    "Ejection System Panel": """
LCtrl E             | Eject                                      | t
LCtrl LShift LAlt E | Ejection system power                      | t
RCtrl E             | Ejection seat safety cover                 | t
""",
})
