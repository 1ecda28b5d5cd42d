# smallcache: a controller with 1 MB of cache, too little to convert the full stripes of a wide
# RAID 5 logical drive to a larger stripe size.
controller slot1 model=VARNEL_V24 slot=1 pcibus=6 firmware=3.42 serial=PVNLA0100099 cache=1 batteries=1
drive 1I:1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00101 firmware=VD04 rpm=15000
drive 1I:1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00102 firmware=VD04 rpm=15000
drive 1I:1:3 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00103 firmware=VD04 rpm=15000
drive 1I:1:4 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00104 firmware=VD04 rpm=15000
drive 1I:1:5 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00105 firmware=VD04 rpm=15000
drive 1I:1:6 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00106 firmware=VD04 rpm=15000
drive 1I:1:7 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00107 firmware=VD04 rpm=15000
drive 1I:1:8 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00108 firmware=VD04 rpm=15000
drive 1I:1:9 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00109 firmware=VD04 rpm=15000
drive 1I:1:10 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1C00110 firmware=VD04 rpm=15000
logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3,1I:1:4,1I:1:5,1I:1:6,1I:1:7,1I:1:8,1I:1:9,1I:1:10 raid=5 size=100GB stripe=64
