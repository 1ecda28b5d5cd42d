# activeactive: the external storage system with both controllers active, so that each
# logical drive has a preferred controller (chassis slot) and the preferred path mode applies.
controller storage1 model=CORVALE_1500 external=yes bustype=4 firmware=7.20 serial=E7VN100420 chassis=SGV0511017 node=5a:0e:0d:10:05:11:01:70 boxname="Lab Storage" cache=512 batteries=2 ssp=yes redundancymode=activeactive
drive 1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00501 firmware=VD04 rpm=15000
drive 1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00502 firmware=VD04 rpm=15000
drive 1:3 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00503 firmware=VD04 rpm=15000
drive 1:4 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00504 firmware=VD04 rpm=15000
drive 1:5 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00505 firmware=VD04 rpm=15000
drive 1:6 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00506 firmware=VD04 rpm=15000
drive 2:1 interface=sata size=500GB model="ORVX DS0500BA" serial=5QG0D00507 firmware=SA11 rpm=7200
drive 2:2 interface=sata size=500GB model="ORVX DS0500BA" serial=5QG0D00508 firmware=SA11 rpm=7200
logicaldrive 0 drives=1:1,1:2,1:3,1:4 spares=1:5 raid=5 size=200GB label=mail
logicaldrive 1 drives=1:1,1:2,1:3,1:4 spares=1:5 raid=5 size=max label=files
initiator 5a:0e:0d:00:00:01:00:01 name=web01 hostmode=1 acl=0x1 online=yes
initiator 5a:0e:0d:00:00:01:00:02 name=web02 hostmode=1 acl=0x1 online=yes
initiator 5a:0e:0d:00:00:02:00:01 name=backup hostmode=2 acl=0x3 online=no
adapter fc1 wwn=5a:0e:0d:00:00:01:00:01 slot=4
path controller=storage1 side=A
adapter fc2 wwn=5a:0e:0d:00:00:01:00:02 slot=5
path controller=storage1 side=B
