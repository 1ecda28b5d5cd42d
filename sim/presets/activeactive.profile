# activeactive: a storage system whose redundant pair of controllers (A and B)
# runs asymmetrical active-active, paths chosen by the system; each controller
# reached through the first port of its own fibre adapter, box:bay drives, two
# mirrored logical drives whose preferred paths can be set.
controller storage2 model=CORVALE_1000 external=yes bustype=4 firmware=7.20 serial=E7VN200310 chassis=SGV0520033 node=5a:0e:0d:10:05:20:03:30 boxname="Lab Active" cache=512 batteries=2 redundancymode=activeactive
drive 1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00601 firmware=VD04 rpm=15000
drive 1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00602 firmware=VD04 rpm=15000
drive 1:3 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00603 firmware=VD04 rpm=15000
drive 1:4 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00604 firmware=VD04 rpm=15000
logicaldrive 0 drives=1:1,1:2 raid=1 size=50GB label=db
logicaldrive 1 drives=1:3,1:4 raid=1 size=50GB label=logs
adapter fc3 wwn=5a:0e:0d:00:00:03:00:01 slot=4
path controller=storage2 side=A
adapter fc4 wwn=5a:0e:0d:00:00:03:00:02 slot=5
path controller=storage2 side=B
